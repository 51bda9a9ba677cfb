#include "NameDialog.h"

#include <stdexcept>

#include "Dpi.h"
#include "FormProcedure.h"
#include "Main.h"
#include "NameLength.h"
#include "Text.h"

namespace {

WNDPROC editProcedure = nullptr;

// A name box selects its whole text when it gets the focus by the keyboard or by the
// program, and leaves a mouse click to place the caret.
// What a player types, pastes or composes.
bool Types(UINT message) {
    return message == WM_CHAR || message == WM_PASTE || message == WM_IME_CHAR || message == EM_REPLACESEL;
}

LRESULT CALLBACK NameBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool typed = Types(message);
    const std::string before = typed ? WindowText(box) : std::string();
    DWORD start = 0;
    DWORD end = 0;
    if (typed) {
        SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    }
    const LRESULT result = CallWindowProcW(editProcedure, box, message, wParam, lParam);
    // A name longer than 10 characters as the player sees them is refused: the box is as it was.
    if (typed && brimblet::VisibleCharacters(WindowText(box)) > brimblet::kNameCharacters) {
        SetWindowTextW(box, Widen(before).c_str());
        SendMessageW(box, EM_SETSEL, start, end);
    }
    if (message == WM_SETFOCUS && (GetKeyState(VK_LBUTTON) & 0x8000) == 0) {
        SendMessageW(box, EM_SETSEL, 0, -1);
    }
    return result;
}

}  // namespace

NameDialog::NameDialog(TForm1& mainForm, const FormSpec& form)
    : mainForm_(mainForm), form_(form), formBrush_(CreateSolidBrush(kFormColour)) {}

NameDialog::~NameDialog() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    DeleteObject(formBrush_);
}

HWND NameDialog::Handle() {
    if (window_ == nullptr) {
        HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSW known{};
        if (!GetClassInfoW(instance, form_.windowClass, &known)) {
            RegisterFormClass(instance, form_.windowClass, &FormProcedure<NameDialog>);
        }
        const SIZE outer = OuterSize(form_, WindowDpi(nullptr));  // the system's; see WM_CREATE
        CreateWindowExW(FormExStyle(form_, mainForm_.Texts()), form_.windowClass, Widen(mainForm_.Texts().Text(form_.caption)).c_str(),
                        form_.style,
                        CW_USEDEFAULT, CW_USEDEFAULT, outer.cx, outer.cy, mainForm_.Handle(),
                        nullptr, instance, this);
        if (window_ == nullptr) {
            throw std::runtime_error("Error creating window");
        }
    }
    return window_;
}

void NameDialog::ShowInFront() {
    HWND window = Handle();
    if (!placed_) {
        const POINT at = CentredOnScreen(window);
        SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        placed_ = true;
    }
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    BringWindowToTop(window);
}

std::string NameDialog::Text(int id) const {
    if (window_ != nullptr) {
        return WindowText(GetDlgItem(window_, id));
    }
    for (std::size_t i = 0; i < form_.controlCount; ++i) {
        if (form_.controls[i].id == id) {
            return form_.controls[i].text;
        }
    }
    return {};
}

void NameDialog::Button2Click() { Close(); }

void NameDialog::Close() {
    if (window_ != nullptr) {
        ShowWindow(window_, SW_HIDE);
    }
}

LRESULT NameDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        dpi_ = FitToDisplay(window_, form_);
        CreateControls(window_, form_, mainForm_.Texts(), fonts_, dpi_);
        for (std::size_t i = 0; i < form_.controlCount; ++i) {
            if (form_.controls[i].kind == ControlKind::NameBox) {
                editProcedure = reinterpret_cast<WNDPROC>(
                    SetWindowLongPtrW(Control(form_.controls[i].id), GWLP_WNDPROC,
                                      reinterpret_cast<LONG_PTR>(&NameBoxProcedure)));
            }
            if (form_.controls[i].tabOrder == 0) {
                focus_ = Control(form_.controls[i].id);
            }
        }
        return 0;
    case DM_GETDEFID:  // Enter presses Ok
        return MAKELRESULT(name_dialog::Button1, DC_HASDEFID);
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == name_dialog::Button1) {
            Button1Click();
        } else if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == name_dialog::Button2) {
            Button2Click();
        }
        return 0;  // IDCANCEL, the dialog manager's Escape, among others: nothing
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, kTextColour);
        SetBkColor(dc, kFormColour);
        return reinterpret_cast<LRESULT>(formBrush_);
    }
    case WM_CTLCOLORBTN:
        return reinterpret_cast<LRESULT>(formBrush_);
    case WM_ACTIVATE:
        KeepFocus(window_, focus_, wParam);
        return 0;
    case WM_DPICHANGED:
        ChangeDpi(window_, form_, fonts_, dpi_, wParam, lParam);
        return 0;
    case WM_CLOSE:  // the frame's close box: hides, like Cancel
        Close();
        return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}
