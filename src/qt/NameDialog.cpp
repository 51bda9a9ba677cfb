#include "NameDialog.h"

#include <QKeyEvent>
#include <QWindow>

#include "Main.h"
#include "NameBox.h"

NameDialog::NameDialog(TForm1& mainForm)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint |
                           Qt::WindowStaysOnTopHint),
      mainForm_(mainForm) {
    setModal(false);
}

void NameDialog::ShowInFront() {
    KeepAboveMainWindow();
    show();
    raise();
    activateWindow();
}

// Staying on top of every window is only asked for: a Wayland compositor grants no client
// that, nor places its windows. It keeps a window above the one it is transient for, on X11
// and Wayland alike, so the dialog is made transient for the main window before it first shows.
void NameDialog::KeepAboveMainWindow() {
    QWidget* main = mainForm_.window();
    if (windowHandle() != nullptr && windowHandle()->transientParent() != nullptr) {
        return;
    }
    winId();  // the native windows, made now if not yet
    main->winId();
    windowHandle()->setTransientParent(main->windowHandle());
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
