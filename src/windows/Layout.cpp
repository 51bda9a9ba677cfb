#include "Layout.h"

#include <algorithm>
#include <cwchar>
#include <vector>

#include "PictureBox.h"
#include "Placement.h"
#include "Text.h"

bool FontSpec::operator<(const FontSpec& other) const {
    const int byFace = std::wcscmp(face, other.face);
    if (byFace != 0) {
        return byFace < 0;
    }
    return height != other.height ? height < other.height : bold < other.bold;
}

FontCache::~FontCache() {
    for (auto& entry : fonts_) {
        DeleteObject(entry.second);
    }
}

HFONT FontCache::Get(const FontSpec& design) {
    auto found = fonts_.find(design);
    if (found != fonts_.end()) {
        return found->second;
    }
    // A negative height asks for the character height, without the internal leading.
    HFONT font = CreateFontW(-design.height, 0, 0, 0, design.bold ? FW_BOLD : FW_NORMAL, FALSE,
                             FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, design.face);
    fonts_.emplace(design, font);
    return font;
}

SIZE OuterSize(const FormSpec& form) {
    RECT r{0, 0, form.clientWidth, form.clientHeight};
    AdjustWindowRectEx(&r, form.style, FALSE, form.exStyle);
    return {r.right - r.left, r.bottom - r.top};
}

namespace {

WNDPROC editProcedure = nullptr;

// The log box keeps no key the dialog manager wants: Tab moves on from it, and reaching it
// by Tab selects nothing.
LRESULT CALLBACK MemoProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcW(editProcedure, window, message, wParam, lParam);
    if (message == WM_GETDLGCODE) {
        return result & ~(DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_HASSETSEL);
    }
    return result;
}

// The window class and styles of one kind of control.
struct KindStyle {
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
};

KindStyle StyleOf(const ControlSpec& c) {
    switch (c.kind) {
    case ControlKind::Bevel:
        return {L"STATIC", SS_OWNERDRAW, 0};
    case ControlKind::Picture:
        return {kPictureBoxClass, 0, 0};
    case ControlKind::Label: {
        DWORD style = SS_NOPREFIX;  // a name may hold '&'
        style |= (c.flags & kCentred)    ? SS_CENTER
                 : (c.flags & kWordWrap) ? SS_LEFT
                                         : SS_LEFTNOWORDWRAP;
        if (c.flags & kClickable) {
            style |= SS_NOTIFY;
        }
        return {L"STATIC", style, 0};
    }
    case ControlKind::Memo:
        return {L"EDIT", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::Button:
        return {L"BUTTON",
                (c.flags & kDefaultButton) ? DWORD(BS_DEFPUSHBUTTON) : DWORD(BS_PUSHBUTTON), 0};
    case ControlKind::NameBox:
        return {L"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    }
    return {L"STATIC", 0, 0};
}

// Multi-line texts of the design use "\n"; an edit box wants "\r\n".
std::string WithWindowsLineBreaks(const char* text) {
    std::string out;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p == '\n') {
            out += '\r';
        }
        out += *p;
    }
    return out;
}

}  // namespace

void CreateControls(HWND parent, const FormSpec& form, FontCache& fonts) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    SendMessageW(parent, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.Get(form.font)), FALSE);
    // Each new control goes to the bottom of the stacking order, so the controls are created
    // from the top down: the tab stops in tab order, then the others, the last of the design
    // on top. Overlapping controls are never tab stops, so they keep the design's order.
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < form.controlCount; ++i) {
        if (form.controls[i].tabOrder >= 0) {
            order.push_back(i);
        }
    }
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return form.controls[a].tabOrder < form.controls[b].tabOrder;
    });
    for (std::size_t i = form.controlCount; i-- > 0;) {
        if (form.controls[i].tabOrder < 0) {
            order.push_back(i);
        }
    }
    for (std::size_t i : order) {
        const ControlSpec& c = form.controls[i];
        const KindStyle kind = StyleOf(c);
        DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | kind.style;
        if (c.tabOrder >= 0) {
            style |= WS_TABSTOP;
        }
        PictureBoxSpec picture{c.picture, (c.flags & kCentred) != 0, (c.flags & kAutoSize) != 0};
        // An edit box gets its text after its font, so that it lays its lines out once.
        const bool edit = c.kind == ControlKind::Memo || c.kind == ControlKind::NameBox;
        const std::wstring text = Widen(WithWindowsLineBreaks(c.text));
        HFONT font = fonts.Get(c.font != nullptr ? *c.font : form.font);
        // A label that sizes itself is made at the width of its text.
        const bool fitted = c.kind == ControlKind::Label && (c.flags & kAutoSize);
        HWND control =
            CreateWindowExW(kind.exStyle, kind.windowClass, edit ? L"" : text.c_str(), style,
                            c.left, c.top, fitted ? TextWidth(font, text) : c.width, c.height,
                            parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance,
                            c.kind == ControlKind::Picture ? &picture : nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (edit && !text.empty()) {
            SetWindowTextW(control, text.c_str());
        }
        if (c.kind == ControlKind::Memo) {
            editProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
                control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MemoProcedure)));
        }
        if (c.maxLength > 0) {
            SendMessageW(control, EM_LIMITTEXT, static_cast<WPARAM>(c.maxLength), 0);
        }
    }
}

int TextWidth(HFONT font, const std::wstring& text) {
    HDC dc = CreateCompatibleDC(nullptr);  // set as on the screen
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return extent.cx;
}

void SetFittedText(HWND label, const std::string& text) {
    const std::wstring wide = Widen(text);
    SetWindowTextW(label, wide.c_str());
    const int width =
        TextWidth(reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)), wide);
    RECT r{};
    GetWindowRect(label, &r);
    SetWindowPos(label, nullptr, 0, 0, width, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(label, nullptr, TRUE);
}

POINT CentredOnScreen(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {brimblet::CentredCoordinate(GetSystemMetrics(SM_CXSCREEN), r.right - r.left),
            brimblet::CentredCoordinate(GetSystemMetrics(SM_CYSCREEN), r.bottom - r.top)};
}
