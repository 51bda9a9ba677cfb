#include "Dpi.h"

namespace {

template <typename Function> Function User32(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 == nullptr
               ? nullptr
               : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiCall = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace

int WindowDpi(HWND window) {
    static const auto forWindow = User32<GetDpiForWindowCall>("GetDpiForWindow");
    if (window != nullptr && forWindow != nullptr) {
        const UINT dpi = forWindow(window);
        if (dpi > 0) {
            return static_cast<int>(dpi);
        }
    }
    return ScreenDpi();
}

SIZE OuterSizeAtDpi(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi) {
    static const auto adjust = User32<AdjustWindowRectExForDpiCall>("AdjustWindowRectExForDpi");
    RECT r{0, 0, clientWidth, clientHeight};
    if (adjust != nullptr) {
        adjust(&r, style, FALSE, exStyle, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&r, style, FALSE, exStyle);
    }
    return {r.right - r.left, r.bottom - r.top};
}
