// Reads the game's windows from outside, as a test sees them: run in the same Wine prefix, it
// lists every visible top-level window with its class, title, place, size and whether it is
// enabled and active, and under each its controls by id with their class, style and text,
// and the control that has the keyboard focus. Writes nothing but its standard output.
//   probe.exe            all visible top-level windows
//   probe.exe close T    asks the visible window titled T to close (WM_CLOSE)
//   probe.exe accessible as a screen reader reads them: for each visible top-level window's
//                        controls, the name, role, default action and keyboard shortcut of each
//                        control's client object (AccessibleObjectFromWindow)
//   probe.exe press C T  does the default action of control id C of the window titled T
//   probe.exe layout     the display's DPI, then for each visible top-level window its client
//                        size and each control's place and size in that client area, with
//                        its design name and the width of its text in its design font
#include <windows.h>

#include <oleacc.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "MainLayout.h"
#include "player1Layout.h"
#include "player2Layout.h"
#include "Text.h"

namespace {

std::string Utf8(const wchar_t* text) {
    char out[2048];
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, out, sizeof out, nullptr, nullptr);
    return n > 0 ? std::string(out) : std::string();
}

// A text on one line: line breaks written as \n. Asked with WM_GETTEXT, which reaches the
// control itself (GetWindowText of another process's window reads only its creation name).
std::string OneLine(HWND window) {
    wchar_t text[2048] = {};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, &ignored);
    std::string out;
    for (char c : Utf8(text)) {
        if (c == '\r') {
            continue;
        }
        out += c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    return out;
}

std::string ClassOf(HWND window) {
    wchar_t name[128] = {};
    GetClassNameW(window, name, 128);
    return Utf8(name);
}

BOOL CALLBACK PrintControl(HWND control, LPARAM) {
    std::printf("  control %d %s %08lx \"%s\"\n", GetDlgCtrlID(control), ClassOf(control).c_str(),
                static_cast<unsigned long>(GetWindowLongW(control, GWL_STYLE)),
                OneLine(control).c_str());
    return TRUE;
}

BOOL CALLBACK PrintWindow(HWND window, LPARAM) {
    if (!IsWindowVisible(window)) {
        return TRUE;
    }
    RECT r{};
    GetWindowRect(window, &r);
    RECT client{};
    GetClientRect(window, &client);
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &gui);
    std::printf("window %s \"%s\" at %ld %ld size %ld %ld client %ld %ld enabled %d active %d\n",
                ClassOf(window).c_str(), OneLine(window).c_str(), r.left, r.top, r.right - r.left,
                r.bottom - r.top, client.right, client.bottom, IsWindowEnabled(window) ? 1 : 0,
                gui.hwndActive == window ? 1 : 0);
    EnumChildWindows(window, PrintControl, 0);
    if (gui.hwndFocus != nullptr && GetAncestor(gui.hwndFocus, GA_ROOT) == window) {
        std::printf("  focus %d\n", GetDlgCtrlID(gui.hwndFocus));
    }
    return TRUE;
}

// The design's entry for a window and for one of its controls: their names and fonts, which
// the probe cannot ask another process for (Wine does not share GDI fonts between processes).
const FormSpec* DesignOf(const std::string& windowClass) {
    for (const FormSpec* form : {&form1::kForm, &form2::kForm, &form3::kForm}) {
        if (Utf8(form->windowClass) == windowClass) {
            return form;
        }
    }
    return nullptr;
}

const ControlSpec* DesignOf(const FormSpec& form, int id) {
    for (std::size_t i = 0; i < form.controlCount; ++i) {
        if (form.controls[i].id == id) {
            return &form.controls[i];
        }
    }
    return nullptr;
}

// The faces the program draws in: its design's, or its language's (`probe layout CODE`).
FontCache faces;

// A control's place in its window's client area as the screen shows it, counted from the
// area's left edge in a mirrored window too, as the running program has it; with its design
// name and the width of its text in its font at the display's DPI.
BOOL CALLBACK PrintControlPlace(HWND control, LPARAM formSpec) {
    RECT r{};
    GetWindowRect(control, &r);
    RECT client{};
    GetClientRect(GetParent(control), &client);
    MapWindowPoints(GetParent(control), nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&r, -client.left, -client.top);
    const auto* form = reinterpret_cast<const FormSpec*>(formSpec);
    const ControlSpec* design = form ? DesignOf(*form, GetDlgCtrlID(control)) : nullptr;
    wchar_t text[2048] = {};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(control, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, &ignored);
    SIZE extent{};
    if (design != nullptr) {
        const FontSpec& font = design->font ? *design->font : form->font;
        HDC dc = CreateCompatibleDC(nullptr);
        HFONT made = CreateFontW(-MulDiv(font.height, GetDeviceCaps(dc, LOGPIXELSY), 96), 0, 0, 0,
                                 font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH | FF_DONTCARE, faces.FaceOf(font));
        HGDIOBJ previous = SelectObject(dc, made);
        GetTextExtentPoint32W(dc, text, lstrlenW(text), &extent);
        SelectObject(dc, previous);
        DeleteObject(made);
        DeleteDC(dc);
    }
    std::printf("  place %d %s %ld %ld %ld %ld text %ld name %s\n", GetDlgCtrlID(control),
                ClassOf(control).c_str(), r.left, r.top, r.right - r.left, r.bottom - r.top,
                extent.cx, design ? design->name : "?");
    return TRUE;
}

BOOL CALLBACK PrintWindowPlace(HWND window, LPARAM) {
    if (!IsWindowVisible(window)) {
        return TRUE;
    }
    RECT client{};
    GetClientRect(window, &client);
    std::printf("window %s \"%s\" client %ld %ld\n", ClassOf(window).c_str(),
                OneLine(window).c_str(), client.right, client.bottom);
    EnumChildWindows(window, PrintControlPlace,
                     reinterpret_cast<LPARAM>(DesignOf(ClassOf(window))));
    return TRUE;
}

// `probe draw CODE ID RRGGBB TEXT`: TEXT alone, as control ID of the main window draws it in
// the language CODE (its font, black) on the colour RRGGBB, printed as the width, the height
// and a row of hexadecimal colours a line; for the test to find in a picture of the window.
int Draw(const char* code, int id, const char* background, const char* text) {
    const ControlSpec* control = DesignOf(form1::kForm, id);
    if (control == nullptr) {
        return 1;
    }
    faces.UseLanguage(brimblet::Catalogue::Preferred({code}));
    const std::wstring wide = Widen(text);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previousFont = SelectObject(dc, faces.Get(control->font ? *control->font : form1::kForm.font, 96));
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previousBitmap = SelectObject(dc, bitmap);
    const unsigned long colour = std::strtoul(background, nullptr, 16);
    const COLORREF back = RGB(colour >> 16 & 0xff, colour >> 8 & 0xff, colour & 0xff);
    SetBkColor(dc, back);
    SetTextColor(dc, kTextColour);
    const RECT all{0, 0, size.cx, size.cy};
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &all, wide.c_str(), static_cast<UINT>(wide.size()), nullptr);
    GdiFlush();
    std::printf("%ld %ld\n", size.cx, size.cy);
    const auto* pixel = static_cast<const std::uint32_t*>(bits);
    for (long y = 0; y < size.cy; ++y) {
        for (long x = 0; x < size.cx; ++x) {
            std::printf("%06x%c", pixel[y * size.cx + x] & 0xffffffu, x + 1 < size.cx ? ' ' : '\n');
        }
    }
    SelectObject(dc, previousBitmap);
    SelectObject(dc, previousFont);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return 0;
}

IAccessible* ClientObject(HWND control, HRESULT* result = nullptr) {
    IAccessible* object = nullptr;
    const HRESULT got = AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                                   reinterpret_cast<void**>(&object));
    if (result != nullptr) {
        *result = got;
    }
    return SUCCEEDED(got) ? object : nullptr;
}

// A text property of an object, as `get(&text)` hands it over.
template <typename Get> std::string Read(Get get) {
    BSTR text = nullptr;
    const HRESULT result = get(&text);
    std::string out = SUCCEEDED(result) && text != nullptr ? Utf8(text) : std::string();
    SysFreeString(text);
    return out;
}

BOOL CALLBACK PrintAccessibleControl(HWND control, LPARAM) {
    HRESULT result = S_OK;
    IAccessible* object = ClientObject(control, &result);
    if (object == nullptr) {
        std::printf("  accessible %d none (%#lx)\n", GetDlgCtrlID(control),
                    static_cast<unsigned long>(result));
        return TRUE;
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role{};
    const std::string nameText = Read([&](BSTR* text) { return object->get_accName(self, text); });
    const std::string actionText =
        Read([&](BSTR* text) { return object->get_accDefaultAction(self, text); });
    const std::string shortcutText =
        Read([&](BSTR* text) { return object->get_accKeyboardShortcut(self, text); });
    object->get_accRole(self, &role);
    std::printf("  accessible %d role %ld name \"%s\" action \"%s\" shortcut \"%s\"\n",
                GetDlgCtrlID(control), role.vt == VT_I4 ? role.lVal : -1L, nameText.c_str(),
                actionText.c_str(), shortcutText.c_str());
    object->Release();
    return TRUE;
}

BOOL CALLBACK PrintAccessibleWindow(HWND window, LPARAM) {
    if (IsWindowVisible(window)) {
        std::printf("window %s \"%s\"\n", ClassOf(window).c_str(), OneLine(window).c_str());
        EnumChildWindows(window, PrintAccessibleControl, 0);
    }
    return TRUE;
}

int Press(int id, const char* title) {
    wchar_t wide[256] = {};
    MultiByteToWideChar(CP_UTF8, 0, title, -1, wide, 256);
    for (HWND w = FindWindowW(nullptr, wide); w != nullptr;
         w = FindWindowExW(nullptr, w, nullptr, wide)) {
        if (!IsWindowVisible(w)) {
            continue;
        }
        IAccessible* object = ClientObject(GetDlgItem(w, id));
        if (object == nullptr) {
            return 1;
        }
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        const HRESULT done = object->accDoDefaultAction(self);
        object->Release();
        return SUCCEEDED(done) ? 0 : 1;
    }
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && (std::string(argv[1]) == "accessible" || std::string(argv[1]) == "press")) {
        CoInitialize(nullptr);
        const int result = argc == 4 ? Press(std::atoi(argv[2]), argv[3])
                                     : (EnumWindows(PrintAccessibleWindow, 0), 0);
        CoUninitialize();
        return result;
    }
    if (argc == 6 && std::string(argv[1]) == "draw") {
        return Draw(argv[2], std::atoi(argv[3]), argv[4], argv[5]);
    }
    if ((argc == 2 || argc == 3) && std::string(argv[1]) == "layout") {
        faces.UseLanguage(argc == 3 ? brimblet::Catalogue::Preferred({argv[2]}) : brimblet::Catalogue::English());
        HDC screen = GetDC(nullptr);
        std::printf("dpi %d\n", GetDeviceCaps(screen, LOGPIXELSX));
        ReleaseDC(nullptr, screen);
        EnumWindows(PrintWindowPlace, 0);
        return 0;
    }
    if (argc == 3 && std::string(argv[1]) == "close") {
        wchar_t title[256] = {};
        MultiByteToWideChar(CP_UTF8, 0, argv[2], -1, title, 256);
        for (HWND w = FindWindowW(nullptr, title); w != nullptr;
             w = FindWindowExW(nullptr, w, nullptr, title)) {
            if (IsWindowVisible(w)) {
                PostMessageW(w, WM_CLOSE, 0, 0);
                return 0;
            }
        }
        return 1;
    }
    std::printf("screen %d %d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    EnumWindows(PrintWindow, 0);
    return 0;
}
