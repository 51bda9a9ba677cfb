#pragma once

#include <windows.h>

#include "ErrorReport.h"

// The window procedure of a form class: the form object travels in CreateWindowEx's lpParam,
// is kept in the window's user data from WM_NCCREATE on, and gets every message in its
// HandleMessage, inside the error boundary.
template <typename Form>
LRESULT CALLBACK FormProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
        created->window_ = window;
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return Guarded([&] { return form->HandleMessage(message, wParam, lParam); }, LRESULT{0});
}

// Registers a form's window class: the game's icon, an arrow cursor, the red background.
void RegisterFormClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure);
