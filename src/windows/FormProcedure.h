#pragma once

#include <windows.h>

#include "ErrorReport.h"

// The window procedure of a form class: the form object travels in CreateWindowEx's lpParam,
// is kept in the window's user data from WM_NCCREATE on, and gets every message in its
// HandleMessage, inside the error boundary.
template <typename Form>
LRESULT CALLBACK FormProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created =
            static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
        created->window_ = window;
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {  // the window's last message: the form outlives it
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        form->window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return Guarded([&] { return form->HandleMessage(message, wParam, lParam); }, LRESULT{0});
}

// A window built with CreateWindowEx (not from a dialog template) does not give the focus
// back to its control when it is activated again: `focus` remembers the control that had it
// when the window was deactivated and gets it back on activation. For WM_ACTIVATE.
void KeepFocus(HWND window, HWND& focus, WPARAM activation);

// Registers a form's window class: the game's icon, an arrow cursor, the red background.
void RegisterFormClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure);
