#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "PictureBox.h"

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
        QWidget* target = widget();
        const QPointF at(target->width() / 2.0, target->height() / 2.0);
        const QPointF global = target->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }
};

} // namespace

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
