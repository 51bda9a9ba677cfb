#include "MessageLoop.h"

void Dispatch(MSG& message) {
    HWND top = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    const bool key = message.message == WM_KEYDOWN || message.message == WM_KEYUP;
    if (key && top != nullptr &&
        SendMessageW(top, WM_SHORTCUT_KEY, 0, reinterpret_cast<LPARAM>(&message)) != FALSE) {
        return;
    }
    if (top != nullptr && IsDialogMessageW(top, &message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        Dispatch(message);
    }
    return static_cast<int>(message.wParam);
}

bool DispatchPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            return false;
        }
        Dispatch(message);
    }
    return true;
}
