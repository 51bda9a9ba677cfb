#pragma once

#include <windows.h>

#include <string>

#include "Layout.h"

class TForm1;

// What the two name dialogs share: a fixed-size window that stays on top of the main window
// without blocking it and hides when closed; Ok is the default button (Enter in a name box
// presses it) and Escape does nothing. Centred at its first showing, later shown where it was
// left. Its name boxes take at most 10 characters and select their whole text whenever they
// get the focus other than by a mouse click.
class NameDialog {
public:
    NameDialog(const NameDialog&) = delete;
    NameDialog& operator=(const NameDialog&) = delete;
    virtual ~NameDialog();

    // Shows the dialog without waiting for it; one already showing comes to the front.
    void ShowInFront();

    // The dialog's window, owned by the main window and built hidden from the design the
    // first time it is asked for: a dialog that is never shown costs no window.
    HWND Handle();
    HWND Control(int id) { return GetDlgItem(Handle(), id); }
    // A control's text; the design's until the window exists.
    std::string Text(int id) const;

    virtual void Button1Click() = 0;  // Ok
    void Button2Click();              // Cancel

protected:
    NameDialog(TForm1& mainForm, const FormSpec& form);
    // Closes the dialog: it only hides, keeping its texts.
    void Close();

    TForm1& mainForm_;

private:
    template <typename Form> friend LRESULT CALLBACK FormProcedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    const FormSpec& form_;
    HWND window_ = nullptr;
    HWND focus_ = nullptr;
    bool placed_ = false;
    HBRUSH formBrush_;
    FontCache fonts_;
    int dpi_ = 96;  // the display's, which the layout is scaled to
};

// The frame both dialogs have: fixed in size, with the system menu, minimise and maximise,
// and always on top.
constexpr DWORD kNameDialogStyle =
    WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kNameDialogExStyle = WS_EX_TOPMOST;

// The ids both dialogs give their buttons.
namespace name_dialog {
enum ControlId : int { Button1 = 301, Button2 = 302 };
}
