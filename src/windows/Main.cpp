#include "Main.h"

#include "BitmapFile.h"
#include "Dpi.h"
#include "FormProcedure.h"
#include "Keys.h"
#include "MainLayout.h"
#include "MessageLoop.h"
#include "NameDialogs.h"
#include "PictureBox.h"
#include "SquareCoords.h"
#include "Text.h"
#include "player1.h"
#include "player2.h"

using namespace form1;

void TForm1::Register(HINSTANCE instance) {
    RegisterFormClass(instance, kForm.windowClass, &FormProcedure<TForm1>);
}

TForm1::TForm1(const brimblet::UtcClock& clock, const brimblet::Catalogue& texts)
    : texts_(texts), formBrush_(CreateSolidBrush(kFormColour)), game_(*this, clock, texts.Game()) {}

TForm1::~TForm1() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    DeleteObject(formBrush_);
}

void TForm1::Create() {
    const SIZE outer = OuterSize(kForm, WindowDpi(nullptr));  // the system's; see WM_CREATE
    CreateWindowExW(FormExStyle(kForm, texts_), kForm.windowClass, Widen(texts_.Text(kForm.caption)).c_str(), kForm.style,
                    CW_USEDEFAULT, CW_USEDEFAULT, outer.cx, outer.cy, nullptr, nullptr,
                    GetModuleHandleW(nullptr), this);
    Guarded([this] { FormCreate(); });
}

void TForm1::FormCreate() {
    game_.FormCreate();
    assets_.CreateAndLoad(LoadBitmapFile);  // SquareCoords is a constant table: complete already
    DrawCounters1(game_.State().Position1, game_.State().Position2);
}

void TForm1::Show() {
    FormShow();
    const POINT at = CentredOnScreen(window_);
    SetWindowPos(window_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
}

// "1 Player" becomes the form's focused control: it has the keyboard focus at once if the
// form is active, and otherwise as soon as the form is activated (showing it does that).
void TForm1::FormShow() {
    focus_ = Control(Player1);
    if (GetActiveWindow() == window_) {
        SetFocus(focus_);
    }
}

PictureBox& TForm1::Picture(int id) const { return *PictureBox::FromWindow(Control(id)); }

void TForm1::SetNameDialogs(TForm2* onePlayer, TForm3* twoPlayers) {
    onePlayerDialog_ = onePlayer;
    twoPlayerDialog_ = twoPlayers;
}

void TForm1::SetNameLabels(const std::string& player1, const std::string& player2) {
    SetWindowTextUtf8(Control(Label2), player1);
    SetWindowTextUtf8(Control(Label3), player2);
}

void TForm1::Player1Click() { game_.Player1Click(); }
void TForm1::Player2Click() { game_.Player2Click(); }
void TForm1::RestartClick() { game_.RestartClick(); }
void TForm1::Image2Click() { game_.Image2Click(); }

void TForm1::OnCommand(int id, int code) {
    // BN_CLICKED is also STN_CLICKED, a click on a label. The second click of a quick pair
    // on the die's caption comes as STN_DBLCLK: it is a throw too, as on the die itself.
    if (code != BN_CLICKED && !(code == STN_DBLCLK && id == Label4)) {
        return;
    }
    switch (id) {
    case Player1:
        Player1Click();
        break;
    case Player2:
        Player2Click();
        break;
    case Restart:
        RestartClick();
        break;
    case Image2:
    case Label4:
        Image2Click();
        break;
    }
}

// The key T throws as a click on the die does: once a press, however long it is held, and
// not with Ctrl or Alt. Its key-up goes too, so that no letter reaches the focused control.
bool TForm1::ShortcutKey(const MSG& key) {
    if (key.wParam != static_cast<WPARAM>(brimblet::kThrowDieKey) || GetKeyState(VK_CONTROL) < 0 ||
        GetKeyState(VK_MENU) < 0) {
        return false;
    }
    const bool held = (key.lParam & (1L << 30)) != 0;  // the key was down already: a repeat
    if (key.message == WM_KEYDOWN && !held) {
        Image2Click();
    }
    return true;
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        dpi_ = FitToDisplay(window_, kForm);
        CreateControls(window_, kForm, texts_, fonts_, dpi_);
        log_.Attach(Control(Memo1));
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC: {
        // Labels paint the form's red behind their text; the read-only log stays white.
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, kTextColour);
        if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == Memo1) {
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        SetBkColor(dc, kFormColour);
        return reinterpret_cast<LRESULT>(formBrush_);
    }
    case WM_CTLCOLORBTN:
        return reinterpret_cast<LRESULT>(formBrush_);
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlID != Bevel1) {
            break;
        }
        // A raised box in fixed colours, Windows' default highlight and shadow, so that it looks
        // the same whatever the system's colours are, and the same as in the other builds.
        const RECT& r = item->rcItem;
        FillRect(item->hDC, &r, formBrush_);
        const auto line = [dc = item->hDC](RECT edge, COLORREF colour) {
            SetDCBrushColor(dc, colour);
            FillRect(dc, &edge, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        };
        line({r.left, r.top, r.right - 1, r.top + 1}, kBevelLight);
        line({r.left, r.top, r.left + 1, r.bottom - 1}, kBevelLight);
        line({r.left, r.bottom - 1, r.right, r.bottom}, kBevelShadow);
        line({r.right - 1, r.top, r.right, r.bottom}, kBevelShadow);
        return TRUE;
    }
    case WM_ACTIVATE:
        KeepFocus(window_, focus_, wParam);
        return 0;
    case WM_SHORTCUT_KEY:
        return ShortcutKey(*reinterpret_cast<const MSG*>(lParam)) ? TRUE : FALSE;
    case WM_DPICHANGED:
        ChangeDpi(window_, kForm, fonts_, dpi_, wParam, lParam);
        return 0;
    case WM_DESTROY:
        if (mainWindow_) {
            PostQuitMessage(0);  // the main window's close ends the program
        }
        return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void TForm1::ReplaceLog(const std::string& text) { log_.ReplaceAll(text); }
void TForm1::AppendLogLine(const std::string& text) { log_.AppendLine(text); }
void TForm1::ClearLog() { log_.Clear(); }

namespace {

// A read-out shows a square and takes the width of its text; one that already shows that
// square is left as it is.
void ShowReadOut(HWND readOut, std::int32_t square) {
    const std::string text = std::to_string(square);
    if (WindowText(readOut) != text) {
        SetFittedText(readOut, text);
    }
}

}  // namespace

void TForm1::DrawCounters1(std::int32_t square1, std::int32_t square2) {
    const brimblet::SquarePoint at1 = brimblet::SquareCoords.at(static_cast<std::size_t>(square1));
    const brimblet::SquarePoint at2 = brimblet::SquareCoords.at(static_cast<std::size_t>(square2));
    PictureBox& board = Picture(Image1);
    board.Draw(assets_.Board(), 0, 0);
    board.Draw(assets_.Counter1(), at1.x, at1.y);
    board.Draw(assets_.Counter2(), at2.x, at2.y);
    ShowReadOut(Control(position1), square1);
    ShowReadOut(Control(position2), square2);
}

void TForm1::ShowDieFace(std::int32_t value) { Picture(Image2).Draw(assets_.DieFace(value), 0, 0); }

// Names are read from the dialogs' boxes at the moment a message is built, never copied. The
// dialogs exist from start-up on, before any message is built.
std::string TForm1::NameBoxText(brimblet::NameBox box) const {
    if (box == brimblet::NameBox::OnePlayerName) {
        return onePlayerDialog_->PlayerName();
    }
    return box == brimblet::NameBox::TwoPlayerFirst ? twoPlayerDialog_->FirstName()
                                                    : twoPlayerDialog_->SecondName();
}

void TForm1::ShowNameDialog(std::int32_t playMode) {
    if (NameDialog* dialog =
            brimblet::NameDialogOf<NameDialog>(playMode, onePlayerDialog_, twoPlayerDialog_)) {
        dialog->ShowInFront();
    }
}
