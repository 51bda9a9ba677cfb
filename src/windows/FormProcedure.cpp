#include "FormProcedure.h"

#include "Layout.h"

void RegisterFormClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, L"MAINICON");
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
    wc.hbrBackground = CreateSolidBrush(kFormColour);  // lives as long as the class
    wc.lpszClassName = name;
    RegisterClassW(&wc);
}

void KeepFocus(HWND window, HWND& focus, WPARAM activation) {
    if (LOWORD(activation) == WA_INACTIVE) {
        HWND focused = GetFocus();
        if (focused != nullptr && GetParent(focused) == window) {
            focus = focused;
        }
    } else if (focus != nullptr) {
        SetFocus(focus);
    }
}
