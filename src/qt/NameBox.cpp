#include "NameBox.h"

#include <QFocusEvent>
#include <QValidator>

#include "NameLength.h"

namespace {

class NameLengthValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return brimblet::VisibleCharacters(input.toStdString()) <= brimblet::kNameCharacters ? Acceptable : Invalid;
    }
};

}  // namespace

NameBox::NameBox(QWidget* parent) : QLineEdit(parent) { setValidator(new NameLengthValidator(this)); }

void NameBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason) {
        selectAll();
    }
}
