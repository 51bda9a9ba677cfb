#include "NameDialog.h"

#include <QKeyEvent>

#include "NameBox.h"

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

// A name box keeps an undo step for every key typed into it. The names outlive any one
// showing of the dialog, the steps need not: setting the text again drops them.
void NameDialog::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    for (NameBox* box : findChildren<NameBox*>()) {
        box->setText(box->text());
    }
}
