#include <gtest/gtest.h>

#include <cwchar>

#include "ErrorReport.h"
#include "MainLayout.h"
#include "MessageLoop.h"
#include "Text.h"
#include "WindowsTestSupport.h"
#include "player1Layout.h"
#include "player2Layout.h"

namespace {

using brimblet::testing::kDiceClockFor;
using wintest::PictureFolder;
using wintest::StartedGame;

void Key(HWND to, WPARAM vk) {
    PostMessageW(to, WM_KEYDOWN, vk, 1);
    PostMessageW(to, WM_KEYUP, vk, 0xC0000001);
    DispatchPendingMessages();
}

POINT TopLeft(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top};
}

std::pair<DWORD, DWORD> Selection(HWND box) {
    DWORD from = 0, to = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    return {from, to};
}

struct ClassSearch {
    const wchar_t* windowClass;
    HWND found;
};

BOOL CALLBACK MatchClass(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<ClassSearch*>(lParam);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (std::wcscmp(name, search->windowClass) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// This thread's top-level window of a class, if it has one.
HWND ThreadWindow(const wchar_t* windowClass) {
    ClassSearch search{windowClass, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &MatchClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Start-up makes no window it does not show: a dialog's is made at its first showing, with
// its boxes holding the design's names, which are the names read until then; the
// application's is made when a report first needs its owner.
TEST(Dialogs, NoWindowIsMadeBeforeItIsNeeded) {
    PictureFolder folder;
    StartedGame g;
    EXPECT_EQ(ThreadWindow(L"TForm2"), nullptr);
    EXPECT_EQ(ThreadWindow(L"TForm3"), nullptr);
    EXPECT_EQ(ThreadWindow(L"TApplication"), nullptr);
    EXPECT_EQ(g.form3.FirstName(), "Player1");
    EXPECT_EQ(g.form3.SecondName(), "Player2");
    EXPECT_EQ(ThreadWindow(L"TForm3"), nullptr);

    g.Press(form1::Player2);
    HWND dialog = ThreadWindow(L"TForm3");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog, g.form3.Handle());
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(WindowText(GetDlgItem(dialog, form3::Edit2)), "Player2");
    EXPECT_EQ(ThreadWindow(L"TForm2"), nullptr);

    HWND owner = g.app.Handle();
    EXPECT_EQ(ThreadWindow(L"TApplication"), owner);
    EXPECT_EQ(WindowText(owner), "Brimblet");
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_EQ(g.app.Handle(), owner);  // made once
}

TEST(Dialogs, BothAreBuiltHiddenAsDesignedFixedInSizeAndOnTop) {
    PictureFolder folder;
    StartedGame g;
    for (const auto* form : {&form2::kForm, &form3::kForm}) {
        HWND dialog = form == &form2::kForm ? g.form2.Handle() : g.form3.Handle();
        wintest::ExpectLayout(dialog, *form);
        EXPECT_FALSE(IsWindowVisible(dialog));
        const LONG style = GetWindowLongW(dialog, GWL_STYLE);
        EXPECT_FALSE(style & WS_THICKFRAME);
        for (LONG wanted : {WS_SYSMENU, WS_MINIMIZEBOX, WS_MAXIMIZEBOX}) {
            EXPECT_EQ(style & wanted, wanted);
        }
        EXPECT_TRUE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_NE(GetClassLongPtrW(dialog, GCLP_HICON), 0u);
    }
    // Tab order: the two-player dialog's second box comes last.
    HWND at = g.form3.Control(form3::Edit1);
    for (int next : {form3::Button1, form3::Button2, form3::Edit2, form3::Edit1}) {
        at = GetNextDlgTabItem(g.form3.Handle(), at, FALSE);
        EXPECT_EQ(GetDlgCtrlID(at), next);
    }
}

TEST(Dialogs, OkWritesTheNameLabelsAndTheStartHintThenHides) {
    PictureFolder folder;
    StartedGame g;
    g.Press(form1::Player1);
    ASSERT_TRUE(IsWindowVisible(g.form2.Handle()));
    g.Press(form1::Player2);  // both open at once
    EXPECT_TRUE(IsWindowVisible(g.form2.Handle()));
    EXPECT_TRUE(IsWindowVisible(g.form3.Handle()));
    SendMessageW(g.form2.Control(form2::Button1), BM_CLICK, 0, 0);
    EXPECT_EQ(g.Text(form1::Label2), "Player1s position:");
    EXPECT_EQ(g.Text(form1::Label3), "Freds position:");
    EXPECT_EQ(g.Log(), (std::vector<std::string>{"To start the game click on the die!"}));
    EXPECT_FALSE(IsWindowVisible(g.form2.Handle()));

    SetWindowTextW(g.form3.Control(form3::Edit1), L"");
    SetWindowTextW(g.form3.Control(form3::Edit2), L"Bea & Co");
    SendMessageW(g.form3.Control(form3::Button1), BM_CLICK, 0, 0);
    EXPECT_EQ(g.Text(form1::Label2), "s position:");
    EXPECT_EQ(g.Text(form1::Label3), "Bea & Cos position:");
    EXPECT_FALSE(IsWindowVisible(g.form3.Handle()));
}

TEST(Dialogs, CancelAndTheCloseBoxOnlyHideAndEscapeDoesNothing) {
    PictureFolder folder;
    StartedGame g;
    g.Press(form1::Player2);
    const std::string log = g.Text(form1::Memo1);
    Key(g.form3.Control(form3::Edit1), VK_ESCAPE);
    EXPECT_TRUE(IsWindowVisible(g.form3.Handle()));
    SendMessageW(g.form3.Control(form3::Button2), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowVisible(g.form3.Handle()));
    EXPECT_EQ(g.Text(form1::Label3), "Player2's Position: ");
    EXPECT_EQ(g.Text(form1::Memo1), log);
    EXPECT_EQ(g.State().PlayMode, 2);  // the mode was chosen all the same
    EXPECT_EQ(g.State().GameActive, 1);

    g.Press(form1::Player2);
    SendMessageW(g.form3.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    DispatchPendingMessages();
    EXPECT_FALSE(IsWindowVisible(g.form3.Handle()));
    EXPECT_TRUE(IsWindow(g.form3.Handle()));
    EXPECT_TRUE(IsWindowVisible(g.form.Handle()));
    EXPECT_EQ(g.form3.FirstName(), "Player1");  // texts kept for the next showing
}

TEST(Dialogs, EnterInANameBoxPressesOkAndABoxTakesTenCharactersAtMost) {
    PictureFolder folder;
    StartedGame g;
    g.Press(form1::Player1);
    HWND box = g.form2.Control(form2::Edit1);
    ASSERT_EQ(GetFocus(), box);
    EXPECT_EQ(Selection(box), std::make_pair(DWORD(0), DWORD(7)));  // all of "Player1"
    for (char c : std::string("Annabelle-Lee")) {
        PostMessageW(box, WM_CHAR, static_cast<WPARAM>(c), 1);
    }
    DispatchPendingMessages();
    EXPECT_EQ(g.form2.PlayerName(), "Annabelle-");
    Key(box, VK_RETURN);
    EXPECT_FALSE(IsWindowVisible(g.form2.Handle()));
    EXPECT_EQ(g.Text(form1::Label2), "Annabelle-s position:");
    // A name in the letters of Europe's languages and a Hindi one with a conjunct (क्ष) shows
    // as typed in the label and the log.
    g.Press(form1::Player1);
    SendMessageW(box, EM_SETSEL, 0, -1);
    for (wchar_t c : std::wstring(L"\u0141ucja \u0915\u094D\u0937\u092E\u093E")) {
        PostMessageW(box, WM_CHAR, static_cast<WPARAM>(c), 1);
    }
    DispatchPendingMessages();
    Key(box, VK_RETURN);
    EXPECT_EQ(g.Text(form1::Label2), "\u0141ucja \u0915\u094D\u0937\u092E\u093Es position:");
    g.clock.Set(kDiceClockFor[2]);
    g.ClickDie();
    EXPECT_EQ(g.Log().front(), "\u0141ucja \u0915\u094D\u0937\u092E\u093E scored a : 3");
}

TEST(Dialogs, TabSelectsAWholeName) {
    PictureFolder folder;
    StartedGame g;
    g.Press(form1::Player2);
    HWND first = g.form3.Control(form3::Edit1);
    ASSERT_EQ(GetFocus(), first);
    Key(first, VK_TAB);
    Key(GetFocus(), VK_TAB);
    Key(GetFocus(), VK_TAB);
    ASSERT_EQ(GetFocus(), g.form3.Control(form3::Edit2));
    EXPECT_EQ(Selection(GetFocus()), std::make_pair(DWORD(0), DWORD(7)));
}

TEST(Dialogs, NamesAreReadFromTheBoxesWhenEachMessageIsBuilt) {
    PictureFolder folder;
    StartedGame g;
    g.Press(form1::Player1);
    SetWindowTextW(g.form2.Control(form2::Edit1), L"Ada");
    g.clock.Set(kDiceClockFor[2]);
    g.ClickDie();  // the dialog is still open: it does not block the die
    EXPECT_EQ(g.Log().front(), "Ada scored a : 3");
    EXPECT_EQ(g.Text(form1::Label2), "Player1's Position: ");  // labels change only on Ok
    EXPECT_TRUE(IsWindowVisible(g.form2.Handle()));
}

TEST(Dialogs, ShownAgainAnOpenDialogComesToTheFrontAndAMovedOneComesBackWhereItWasLeft) {
    PictureFolder folder;
    StartedGame g;
    g.Press(form1::Player1);
    const SIZE outer = OuterSize(form2::kForm);
    const POINT first = TopLeft(g.form2.Handle());
    EXPECT_EQ(first.x, (GetSystemMetrics(SM_CXSCREEN) - outer.cx) / 2);
    EXPECT_EQ(first.y, (GetSystemMetrics(SM_CYSCREEN) - outer.cy) / 2);
    g.Press(form1::Player1);
    EXPECT_EQ(FindWindowExW(nullptr, g.form2.Handle(), L"TForm2", nullptr), nullptr);  // one
    SetWindowPos(g.form2.Handle(), nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageW(g.form2.Control(form2::Button2), BM_CLICK, 0, 0);
    g.Press(form1::Player1);
    EXPECT_EQ(TopLeft(g.form2.Handle()).x, 40);
    EXPECT_EQ(TopLeft(g.form2.Handle()).y, 50);
}

TEST(ErrorReport, AnErrorInAHandlerIsReportedWithTheOtherWindowsDisabledAndPlayGoesOn) {
    PictureFolder folder;
    StartedGame g;
    bool mainEnabledDuringReport = true;
    std::vector<std::string> texts;
    SetReportSink([&](const std::string& text) {
        texts.push_back(text);
        mainEnabledDuringReport = IsWindowEnabled(g.form.Handle()) != 0;
    });
    g.Press(form1::Player2);
    SendMessageW(g.form3.Control(form3::Button2), BM_CLICK, 0, 0);
    // A counter off the board: drawing it raises an error inside the click's handler.
    g.form.GameRules().MutableState().Position1 = 90;
    g.clock.Set(kDiceClockFor[0]);
    g.ClickDie();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].back(), '.');
    EXPECT_FALSE(mainEnabledDuringReport);
    EXPECT_TRUE(IsWindowEnabled(g.form.Handle()));
    // The handler ended at the error, keeping what it had changed; the game goes on.
    EXPECT_EQ(g.Log().back(), "Player1, i am sorry - your throw was too high!");
    g.form.GameRules().MutableState().Position1 = 5;
    g.ClickDie();
    EXPECT_EQ(g.Log().front(), "Player1 scored a : 1");
    EXPECT_EQ(g.Text(form1::position1), "6");
    SetReportSink({});
}

}  // namespace
