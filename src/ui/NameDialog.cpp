#include "NameDialog.h"

#include <QKeyEvent>

NameDialog::NameDialog(TForm1& mainForm)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint |
                           Qt::WindowStaysOnTopHint),
      mainForm_(mainForm) {
    setModal(false);
}

void NameDialog::ShowInFront() {
    show();
    raise();
    activateWindow();
}

void NameDialog::FixSize() { setFixedSize(size()); }

void NameDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();  // Cancel is a button to press, not a key
        return;
    }
    QDialog::keyPressEvent(event);
}
