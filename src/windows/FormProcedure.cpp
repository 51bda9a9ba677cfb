#include "FormProcedure.h"

#include "Layout.h"

void RegisterFormClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, L"MAINICON");
    // The icon's one picture is drawn small where a small icon is wanted, rather than a shrunk
    // copy being made when the class is registered.
    wc.hIconSm = wc.hIcon;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
    wc.hbrBackground = CreateSolidBrush(kFormColour);  // lives as long as the class
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
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
