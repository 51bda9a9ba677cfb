#pragma once

#include <QDialog>

class TForm1;

// What the two name dialogs share: a fixed-size window that floats above the main window
// without blocking it, hides when closed, and leaves Escape alone (its Cancel is not bound
// to it). Ok is the default button, so Enter in a name box presses it.
class NameDialog : public QDialog {
    Q_OBJECT
public:
    explicit NameDialog(TForm1& mainForm);

    // Shows the dialog without waiting for it; one already showing comes to the front.
    void ShowInFront();

protected:
    // Fixes the frame at the size the design gave; called once the layout is built.
    void FixSize();
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

    TForm1& mainForm_;

private:
    void KeepAboveMainWindow();
};
