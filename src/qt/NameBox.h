#pragma once

#include <QLineEdit>

// A name box: selects its whole text whenever it gets the focus other than by a mouse click,
// so a name can be typed over at once.
class NameBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override;
};
