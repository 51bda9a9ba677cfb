#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

#include "Keys.h"
#include "PictureBox.h"
#include "SyntheticClick.h"

namespace {

// The die and its caption: a button whose press clicks it, with the key T as its shortcut.
class ClickableAccessible : public QAccessibleWidget {
public:
    explicit ClickableAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }

    // The key that does what a press does.
    QStringList keyBindingsForAction(const QString& actionName) const override {
        if (actionName != pressAction()) {
            return {};
        }
        return {QString::fromLatin1(brimblet::kThrowDieKeyName)};
    }

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
