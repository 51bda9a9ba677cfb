#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

#include "PictureBox.h"
#include "SyntheticClick.h"

namespace {

class ClickableAccessible : public QAccessibleWidget {
public:
    explicit ClickableAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& actionName) override {
        if (actionName != pressAction()) {
            return;
        }
        SendLeftClick(*widget());
    }
};

}  // namespace

QAccessibleInterface* BrimbletAccessibleFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    if (widget->property("accessibleClickable").toBool()) {
        return new ClickableAccessible(widget);
    }
    if (qobject_cast<PictureBox*>(widget) != nullptr) {
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    }
    return nullptr;
}
