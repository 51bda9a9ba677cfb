// Holds the Wine prefix's desktop open while start-ups are timed, as Windows always has one:
// without a program on it, Wine ends the desktop process when a program ends and starts it
// again with the next one, about 100 ms that no Windows player waits for. A hidden,
// message-only window, and a message loop until the process is ended.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &DefWindowProcW;
    wc.hInstance = instance;
    wc.lpszClassName = L"BrimbletBenchDesktop";
    RegisterClassW(&wc);
    CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance,
                    nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}
