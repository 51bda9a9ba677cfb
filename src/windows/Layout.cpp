#include "Layout.h"

#include "NameLength.h"

#include <algorithm>
#include <cwchar>
#include <vector>

#include "Dpi.h"
#include "LineBreaks.h"
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

void FontCache::UseLanguage(const brimblet::Catalogue& texts) {
    languageFace_ = texts.InDesignFace() ? std::wstring() : Widen(texts.Faces().windowsFace);
    designFace_ = Widen(brimblet::kEnglishFaces.windowsFace);
}

const wchar_t* FontCache::FaceOf(const FontSpec& design) const {
    return !languageFace_.empty() && design.face == designFace_ ? languageFace_.c_str() : design.face;
}

HFONT FontCache::Get(const FontSpec& design, int dpi) {
    const FontSpec atDpi{FaceOf(design), Scaled(design.height, dpi), design.bold};
    auto found = fonts_.find(atDpi);
    if (found != fonts_.end()) {
        return found->second;
    }
    // A negative height asks for the character height, without the internal leading.
    HFONT font = CreateFontW(-atDpi.height, 0, 0, 0, design.bold ? FW_BOLD : FW_NORMAL, FALSE,
                             FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, atDpi.face);
    fonts_.emplace(atDpi, font);
    return font;
}

SIZE OuterSize(const FormSpec& form, int dpi) {
    return OuterSizeAtDpi(Scaled(form.clientWidth, dpi), Scaled(form.clientHeight, dpi), form.style,
                          form.exStyle, dpi);
}

namespace {

WNDPROC editProcedure = nullptr;

// A log read from the right is drawn as the labels are, by DrawText, each line from the right
// and its newest line in view: Wine's edit control lays such a line out word by word and turns
// a Latin name in it around ("2Mari -Ann").
void PaintFromTheRight(HWND window) {
    InvalidateRect(window, nullptr, FALSE);  // all of it, also after the control scrolled its pixels
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client{};
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    const LRESULT margins = SendMessageW(window, EM_GETMARGINS, 0, 0);
    RECT room{client.left + LOWORD(margins), client.top, client.right - HIWORD(margins), client.bottom};
    const std::wstring text = Widen(WindowText(window));
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
    SetTextColor(dc, kTextColour);
    SetBkMode(dc, TRANSPARENT);
    const UINT format = DT_RIGHT | DT_RTLREADING | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL;
    RECT needed = room;
    DrawTextW(dc, text.c_str(), -1, &needed, format | DT_CALCRECT);
    room.top -= std::max(0L, (needed.bottom - needed.top) - (room.bottom - room.top));
    DrawTextW(dc, text.c_str(), -1, &room, format);
    SelectObject(dc, previous);
    EndPaint(window, &ps);
}

// The log box keeps no key the dialog manager wants: Tab moves on from it, and reaching it
// by Tab selects nothing.
LRESULT CALLBACK MemoProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT && (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_RTLREADING)) {
        PaintFromTheRight(window);
        return 0;
    }
    const LRESULT result = CallWindowProcW(editProcedure, window, message, wParam, lParam);
    if (message == WM_GETDLGCODE) {
        return result & ~(DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_HASSETSEL);
    }
    return result;
}

// Where the log may wrap: after a space, and between the characters of Chinese and Japanese,
// which the edit control's own procedure would not break at all. `current` is a position in
// `text` (`count` UTF-16 units); each line break found going left lies before `current`, so
// that the control, which asks again from there while the line is too long, always goes on.
int CALLBACK WordBreak(LPWSTR text, int current, int count, int code) {
    const auto breaksBefore = [text](int i) { return brimblet::MayBreakBetween(text[i - 1], text[i]); };
    switch (code) {
    case WB_ISDELIMITER:
        return current >= 0 && current < count && text[current] == L' ';
    case WB_LEFT: {
        int i = current > 0 ? current - 1 : 0;
        while (i > 0 && !breaksBefore(i)) {
            --i;
        }
        return i;
    }
    default: {  // WB_RIGHT
        int i = current < count ? current + 1 : count;
        while (i < count && !breaksBefore(i)) {
            ++i;
        }
        return i;
    }
    }
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

bool Fitted(const ControlSpec& c) { return c.kind == ControlKind::Label && (c.flags & kAutoSize); }

// Where a control goes at a DPI. A label that sizes itself is as wide as its text.
RECT PlaceOf(const ControlSpec& c, int dpi, HFONT font, const std::wstring& text) {
    const int left = Scaled(c.left, dpi);
    const int top = Scaled(c.top, dpi);
    const int width = Fitted(c) ? TextWidth(font, text) : Scaled(c.width, dpi);
    return {left, top, left + width, top + Scaled(c.height, dpi)};
}

HFONT FontOf(const ControlSpec& c, const FormSpec& form, FontCache& fonts, int dpi) {
    return fonts.Get(c.font != nullptr ? *c.font : form.font, dpi);
}

}  // namespace

void CreateControls(HWND parent, const FormSpec& form, const brimblet::Catalogue& texts, FontCache& fonts,
                    int dpi) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    fonts.UseLanguage(texts);
    SendMessageW(parent, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.Get(form.font, dpi)), FALSE);
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
        PictureBoxSpec picture{c.picture, (c.flags & kCentred) != 0, (c.flags & kAutoSize) != 0,
                               dpi, kFormColour};
        // An edit box gets its text after its font, so that it lays its lines out once.
        const bool edit = c.kind == ControlKind::Memo || c.kind == ControlKind::NameBox;
        const std::wstring text = Widen(WithWindowsLineBreaks(texts.Text(c.text)));
        HFONT font = FontOf(c, form, fonts, dpi);
        const RECT at = PlaceOf(c, dpi, font, text);
        // In a language read from the right an edit box keeps its place in the mirrored window
        // but is not mirrored itself: it reads from the right and is aligned right by its own
        // styles (Wine's mirrored edit control turns a typed Latin name around).
        const bool rightToLeftEdit = edit && texts.RightToLeft();
        HWND control = CreateWindowExW(kind.exStyle | (rightToLeftEdit ? DWORD(WS_EX_RTLREADING) : DWORD(0)),
                                       kind.windowClass, edit ? L"" : text.c_str(),
                                       style | (rightToLeftEdit ? DWORD(ES_RIGHT) : DWORD(0)), at.left, at.top,
                                       at.right - at.left, at.bottom - at.top, parent,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance,
                                       c.kind == ControlKind::Picture ? &picture : nullptr);
        if (rightToLeftEdit) {
            SetWindowLongPtrW(control, GWL_EXSTYLE, GetWindowLongPtrW(control, GWL_EXSTYLE) & ~WS_EX_LAYOUTRTL);
        }
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (edit && !text.empty()) {
            SetWindowTextW(control, text.c_str());
        }
        if (c.kind == ControlKind::Memo) {
            SendMessageW(control, EM_SETWORDBREAKPROC, 0, reinterpret_cast<LPARAM>(&WordBreak));
            editProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
                control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MemoProcedure)));
        }
        if (c.maxLength > 0) {  // characters as the player sees them, which the box's owner counts
            SendMessageW(control, EM_LIMITTEXT, static_cast<WPARAM>(brimblet::kNameBoxUnits), 0);
        }
    }
    for (std::size_t i = 0; i < form.accessibleCount; ++i) {
        MakeAccessible(GetDlgItem(parent, form.accessible[i].id), form.accessible[i], texts);
    }
}

void LayOutControls(HWND parent, const FormSpec& form, FontCache& fonts, int dpi) {
    SendMessageW(parent, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.Get(form.font, dpi)), FALSE);
    for (std::size_t i = 0; i < form.controlCount; ++i) {
        const ControlSpec& c = form.controls[i];
        HWND control = GetDlgItem(parent, c.id);
        HFONT font = FontOf(c, form, fonts, dpi);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        const RECT at = PlaceOf(c, dpi, font, Widen(WindowText(control)));
        SetWindowPos(control, nullptr, at.left, at.top, at.right - at.left, at.bottom - at.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (c.kind == ControlKind::Picture) {
            PictureBox::FromWindow(control)->SetDpi(dpi);  // an autosized box sizes itself
        }
    }
    InvalidateRect(parent, nullptr, TRUE);
}

int FitToDisplay(HWND window, const FormSpec& form) {
    const int dpi = WindowDpi(window);
    const SIZE wanted = OuterSize(form, dpi);
    RECT r{};
    GetWindowRect(window, &r);
    if (r.right - r.left != wanted.cx || r.bottom - r.top != wanted.cy) {
        SetWindowPos(window, nullptr, 0, 0, wanted.cx, wanted.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return dpi;
}

void ChangeDpi(HWND window, const FormSpec& form, FontCache& fonts, int& dpi, WPARAM wParam,
               LPARAM lParam) {
    dpi = LOWORD(wParam);
    LayOutControls(window, form, fonts, dpi);
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(window, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

DWORD FormExStyle(const FormSpec& form, const brimblet::Catalogue& texts) {
    return form.exStyle | (texts.RightToLeft() ? DWORD(WS_EX_LAYOUTRTL) : DWORD(0));
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
