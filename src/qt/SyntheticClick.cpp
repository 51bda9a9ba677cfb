#include "SyntheticClick.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

void SendLeftClick(QWidget& target) {
    const QPointF at(target.width() / 2.0, target.height() / 2.0);
    const QPointF global = target.mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&target, &press);
    QApplication::sendEvent(&target, &release);
}
