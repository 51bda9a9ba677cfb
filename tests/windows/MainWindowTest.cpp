#include <gtest/gtest.h>

#include <cstdlib>

#include "Catalogue.h"
#include "LineBreaks.h"
#include "MainLayout.h"
#include "MessageLoop.h"
#include "SquareCoords.h"
#include "Text.h"
#include "Transcript.h"
#include "WindowsTestSupport.h"
#include "player1Layout.h"

namespace {

using namespace form1;
using brimblet::SquareCoords;
using brimblet::testing::kDiceClockFor;
using wintest::PictureFolder;
using wintest::Shows;
using wintest::StartedGame;

std::string ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return Narrow(name);
}

TEST(MainWindow, EveryControlStandsWhereTheDesignPutsItWithItsTextAndFont) {
    PictureFolder folder;
    StartedGame g;
    wintest::ExpectLayout(g.form.Handle(), kForm);
    EXPECT_EQ(ClassOf(g.form.Control(Memo1)), "Edit");
    EXPECT_EQ(ClassOf(g.form.Control(Player1)), "Button");
    EXPECT_EQ(ClassOf(g.form.Control(Label2)), "Static");
    EXPECT_EQ(ClassOf(g.form.Control(Image1)), "BrimbletPictureBox");
    EXPECT_EQ(g.Board().SurfaceWidth(), 251);
    EXPECT_EQ(g.Board().SurfaceHeight(), 252);
}

TEST(MainWindow, ARedResizableWindowCaptionedBrimbletCentredOnTheScreen) {
    PictureFolder folder;
    StartedGame g;
    EXPECT_EQ(WindowText(g.form.Handle()), "Brimblet");
    RECT client{};
    GetClientRect(g.form.Handle(), &client);
    EXPECT_EQ(client.right, 514);
    EXPECT_EQ(client.bottom, 316);
    const LONG style = GetWindowLongW(g.form.Handle(), GWL_STYLE);
    for (LONG wanted : {WS_THICKFRAME, WS_SYSMENU, WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_CAPTION}) {
        EXPECT_EQ(style & wanted, wanted);
    }
    RECT outer{};
    GetWindowRect(g.form.Handle(), &outer);
    const SIZE designed = OuterSize(kForm);
    EXPECT_EQ(outer.right - outer.left, designed.cx);
    EXPECT_EQ(outer.bottom - outer.top, designed.cy);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - designed.cx) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - designed.cy) / 2);
    EXPECT_TRUE(IsWindowVisible(g.form.Handle()));
}

TEST(MainWindow, LabelsPaintTheFormsRedAndTheLogStaysWhite) {
    PictureFolder folder;
    StartedGame g;
    HDC dc = CreateCompatibleDC(nullptr);
    for (int id : {Label1, Label2, Label3, Label4, position1, position2}) {
        SendMessageW(g.form.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(g.form.Control(id)));
        EXPECT_EQ(GetBkColor(dc), RGB(255, 0, 0)) << id;
        EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0)) << id;
    }
    SendMessageW(g.form.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(g.form.Control(Memo1)));
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_WINDOW));
    DeleteDC(dc);
}

TEST(MainWindow, OverlappingControlsStackInCreationOrderAndTabFollowsTheDesign) {
    PictureFolder folder;
    StartedGame g;
    auto above = [&](int upper, int lower) {
        for (HWND w = GetWindow(g.form.Control(upper), GW_HWNDNEXT); w;
             w = GetWindow(w, GW_HWNDNEXT)) {
            if (w == g.form.Control(lower)) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(above(Image1, Bevel1));
    EXPECT_TRUE(above(position1, Label2));
    EXPECT_TRUE(above(position2, Label3));
    HWND at = g.form.Control(Memo1);
    for (int next : {Player1, Player2, Restart, Memo1}) {
        at = GetNextDlgTabItem(g.form.Handle(), at, FALSE);
        EXPECT_EQ(GetDlgCtrlID(at), next);
    }
}

TEST(MainWindow, TheLogStartsWithTheWelcomeAndCanBeReadButNotChanged) {
    PictureFolder folder;
    StartedGame g;
    EXPECT_EQ(g.Text(Memo1),
              "Welcome to \r\nBrimblet.\r\nPlease choose the number \r\nof players:");
    const LONG style = GetWindowLongW(g.form.Control(Memo1), GWL_STYLE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_FALSE(style & (WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL));  // wraps, no scroll bars
    // Selectable and copyable.
    SendMessageW(g.form.Control(Memo1), EM_SETSEL, 0, 7);
    DWORD from = 0, to = 0;
    SendMessageW(g.form.Control(Memo1), EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                 reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(to - from, 7u);
    SendMessageW(g.form.Control(Memo1), WM_CHAR, 'x', 0);
    EXPECT_EQ(g.Log().front(), "Welcome to ");
}

TEST(MainWindow, AppendsNeverLeaveABlankLineWhateverCameBefore) {
    PictureFolder folder;
    StartedGame g;
    MessageLog& log = g.form.Log();
    log.AppendLine("after the welcome");
    EXPECT_EQ(g.Log().size(), 5u);
    EXPECT_EQ(g.Log().back(), "after the welcome");
    log.Clear();
    log.AppendLine("first");
    log.AppendLine("second");
    EXPECT_EQ(log.Text(), "first\r\nsecond\r\n");
    log.ReplaceAll("only");
    log.AppendLine("next");
    EXPECT_EQ(log.Text(), "only\r\nnext");
    // Once the log outgrows its box, the newest line is kept in view.
    for (int i = 0; i < 30; ++i) {
        log.AppendLine("line " + std::to_string(i));
    }
    HWND box = g.form.Control(Memo1);
    const LRESULT lines = SendMessageW(box, EM_GETLINECOUNT, 0, 0);
    EXPECT_GT(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0), lines - 10);
}

TEST(MainWindow, FocusStartsOnOnePlayerAndTheDialogManagerTakesTabAndSpace) {
    PictureFolder folder;
    StartedGame g;
    SetForegroundWindow(g.form.Handle());
    DispatchPendingMessages();
    ASSERT_EQ(GetFocus(), g.form.Control(Player1));
    auto key = [&](WPARAM vk) {
        PostMessageW(GetFocus(), WM_KEYDOWN, vk, 1);
        PostMessageW(GetFocus(), WM_KEYUP, vk, 0xC0000001);
        DispatchPendingMessages();
    };
    key(VK_SPACE);  // "1 Player": the one-player dialog comes up with its name box focused
    // once the window manager has activated it, which under Wine may take a moment.
    for (int i = 0; i < 100 && GetFocus() != g.form2.Control(form2::Edit1); ++i) {
        Sleep(20);
        DispatchPendingMessages();
    }
    EXPECT_EQ(g.State().GameActive, 1);
    EXPECT_TRUE(IsWindowVisible(g.form2.Handle()));
    EXPECT_EQ(GetFocus(), g.form2.Control(form2::Edit1));
    g.ClickAt(g.form2.Control(name_dialog::Button2), 3, 3);  // Cancel
    SetForegroundWindow(g.form.Handle());
    DispatchPendingMessages();
    ASSERT_EQ(GetFocus(), g.form.Control(Player1));  // back where it was
    key(VK_TAB);
    EXPECT_EQ(GetFocus(), g.form.Control(Player2));
    key(VK_TAB);
    key(VK_TAB);
    EXPECT_EQ(GetFocus(), g.form.Control(Memo1));  // round to the log, tab order 0
    key(VK_TAB);
    EXPECT_EQ(GetFocus(), g.form.Control(Player1));

    // T throws, wherever the focus is in the main window: once a press, however long held;
    // in a name box it is a letter.
    const auto throws = [&] { return g.form.GameRules().Record().Throws; };
    const auto before = throws();
    for (LPARAM repeat : {0L, 1L << 30, 1L << 30}) {
        PostMessageW(GetFocus(), WM_KEYDOWN, 'T', 1 | repeat);
    }
    SetFocus(g.form.Control(Memo1));
    key('T');
    EXPECT_EQ(throws(), before + 4);  // two clicks, each the player's throw and Fred's
    g.Press(Player1);
    SetFocus(g.form2.Control(form2::Edit1));
    SendMessageW(GetFocus(), EM_SETSEL, 7, 7);
    key('T');
    EXPECT_EQ(g.form2.PlayerName(), "Player1t");
    EXPECT_EQ(throws(), before + 4);
}

TEST(MainWindow, TheDieAndItsCaptionThrowOnlyOnceAModeIsChosen) {
    PictureFolder folder;
    StartedGame g;
    g.ClickDie();
    g.ClickAt(Label4, 5, 5);
    EXPECT_EQ(g.Text(Memo1).substr(0, 11), "Welcome to ");
    EXPECT_EQ(g.State().LastThrow, 0);

    g.Press(Player2);  // two players: one throw a click
    g.clock.Set(kDiceClockFor[0]);
    g.ClickAt(Label4, 5, 5);
    EXPECT_EQ(g.Log(), (std::vector<std::string>{"Player1 scored a : 1",
                                                 "Player1 goes up the ladder......"}));
    g.clock.Set(kDiceClockFor[4]);
    g.ClickDie();
    EXPECT_EQ(g.Log().back(), "Player2 scored a : 5");
    EXPECT_TRUE(Shows(g.Die(), wintest::Picture("d5.bmp"), 0, 0));
    EXPECT_EQ(g.Text(position1), "40");
    EXPECT_EQ(g.Text(position2), "6");

    g.Press(Restart);
    EXPECT_EQ(g.Log(),
              (std::vector<std::string>{"Press one of the buttons for different players."}));
    EXPECT_EQ(g.Text(position1), "1");
    EXPECT_TRUE(Shows(g.Die(), wintest::Picture("d5.bmp"), 0, 0));  // Restart leaves the die
}

// The second click of a quick pair reaches a label as a double click and the die as a second
// press: each is a throw.
TEST(MainWindow, EachClickOfADoubleClickOnTheDieOrItsCaptionIsAThrow) {
    PictureFolder folder;
    StartedGame g;
    g.Press(Player2);
    g.clock.Set(kDiceClockFor[2]);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        SendMessageW(g.form.Control(Label4), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                     MAKELPARAM(5, 5));
    }
    DispatchPendingMessages();
    EXPECT_EQ(g.Log(), (std::vector<std::string>{"Player1 scored a : 3", "Player2 scored a : 3"}));
    EXPECT_EQ(g.Text(position1), "4");
    EXPECT_EQ(g.Text(position2), "4");

    g.ClickDie();
    g.ClickDie();
    EXPECT_EQ(g.Text(position1), "7");
    EXPECT_EQ(g.Text(position2), "7");
}

TEST(MainWindow, CountersAreDrawnAtTheirSquaresPlayerTwosOnTopAndTheOldOnesGo) {
    PictureFolder folder;
    StartedGame g;
    const Bitmap board = wintest::Picture("brimb.bmp");
    const Bitmap counter1 = wintest::Picture("counter.bmp");
    const Bitmap counter2 = wintest::Picture("counter2.bmp");
    EXPECT_TRUE(Shows(g.Board(), counter2, SquareCoords[1].x, SquareCoords[1].y));
    EXPECT_EQ(g.Text(position1), "1");
    EXPECT_EQ(g.Text(position2), "1");

    // Throws of 4 from 6 (to 10) and from 14 (to 18), in a two-player game.
    brimblet::GameState& s = g.form.GameRules().MutableState();
    g.Press(Player2);
    s.Position1 = 6;
    s.Position2 = 14;
    g.clock.Set(kDiceClockFor[3]);
    g.ClickDie();
    g.ClickDie();
    EXPECT_TRUE(Shows(g.Board(), counter1, 230, 202));  // square 10
    EXPECT_TRUE(Shows(g.Board(), counter2, 5, 202));    // square 18
    EXPECT_EQ(g.Text(position1), "10");
    EXPECT_EQ(g.Text(position2), "18");
    // Square 1 shows the bare board again.
    Bitmap corner;
    corner.width = corner.height = 16;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            corner.pixels.push_back(board.Pixel(5 + x, 230 + y));
        }
    }
    EXPECT_TRUE(Shows(g.Board(), corner, 5, 230));

    s.Position1 = 77;  // and 4 to the finish
    g.ClickDie();
    EXPECT_TRUE(Shows(g.Board(), counter1, 230, 5));  // square 81
    EXPECT_EQ(g.Log().back(), "Player1 wins!! Congratulations!");
    EXPECT_EQ(g.State().GameActive, 0);
}

TEST(MainWindow, DrawingIsAnOpaqueCopyClippedToThePictureBoxesBitmap) {
    PictureFolder folder;
    StartedGame g;
    PictureBox& die = g.Die();
    const Bitmap counter = wintest::Picture("counter.bmp");
    const std::uint32_t corner = die.SurfacePixel(28, 28);
    die.Draw(&counter, -100, -100);  // wholly outside: nothing changes
    die.Draw(&counter, 40, 0);
    EXPECT_EQ(die.SurfacePixel(28, 28), corner);
    die.Draw(&counter, -8, 21);  // the top-right quarter lands in the bottom-left corner
    EXPECT_EQ(die.SurfacePixel(0, 28), counter.Pixel(8, 7));
    EXPECT_EQ(die.SurfacePixel(7, 21), counter.Pixel(15, 0));
    EXPECT_EQ(die.SurfacePixel(28, 28), corner);
    die.Draw(nullptr, 0, 0);  // a bitmap never created draws nothing
    Bitmap empty;
    die.Draw(&empty, 0, 0);
    EXPECT_EQ(die.SurfacePixel(0, 28), counter.Pixel(8, 7));
}

TEST(MainWindow, AWholeOnePlayerGameReadsAsTheTranscriptWithCountersDieAndReadOuts) {
    using brimblet::testing::Transcript;
    // In English, or in the language the test is run under with that language's transcript.
    const char* path = std::getenv("BRIMBLET_TRANSCRIPT");
    const Transcript expected = Transcript::Read(path != nullptr ? path : BRIMBLET_TRANSCRIPT);
    ASSERT_FALSE(expected.clicks.empty());
    PictureFolder folder;
    StartedGame g;
    const Bitmap counter2 = wintest::Picture("counter2.bmp");
    g.Press(Player1);
    std::uint32_t ms = Transcript::kFirstReading;
    std::size_t click = 0;
    while (g.State().GameActive == 1 && click < expected.clicks.size() + 1) {
        g.clock.Push(ms);
        g.clock.Push(ms + Transcript::kStep);
        ms += 2 * Transcript::kStep;
        (click % 2 == 0 ? g.ClickDie() : g.ClickAt(Label4, 3, 3));
        ASSERT_LT(click, expected.clicks.size());
        EXPECT_EQ(g.Log(), expected.clicks[click]) << "click " << click + 1;
        ++click;
        const brimblet::GameState& s = g.State();
        EXPECT_EQ(g.Text(position1), std::to_string(s.Position1));
        EXPECT_EQ(g.Text(position2), std::to_string(s.Position2));
        const auto p2 = SquareCoords[static_cast<std::size_t>(s.Position2)];
        EXPECT_TRUE(Shows(g.Board(), counter2, p2.x, p2.y)) << "click " << click;
        const std::string face = "d" + std::to_string(s.LastThrow) + ".bmp";
        EXPECT_TRUE(Shows(g.Die(), wintest::Picture(face.c_str()), 0, 0)) << "click " << click;
    }
    EXPECT_EQ(click, expected.clicks.size());
    EXPECT_EQ(g.State().GameActive, 0);
}

// The user's preferred languages choose the game's (run under LANG with the code expected in
// BRIMBLET_LANGUAGE): the windows' texts and the rules' messages are that language's.
TEST(MainWindow, SpeaksTheFirstOfTheUsersLanguagesThatTheGameHas) {
    const char* expected = std::getenv("BRIMBLET_LANGUAGE");
    if (expected == nullptr) {
        GTEST_SKIP() << "run under a language of the user's";
    }
    PictureFolder folder;
    StartedGame g;
    const brimblet::Catalogue& texts = g.form.Texts();
    EXPECT_EQ(texts.Code(), expected);
    EXPECT_EQ(g.Text(Restart), texts.Text("Restart"));
    LOGFONTW font{};  // in the face Windows ships for the language's script
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(g.form.Control(Restart), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(Narrow(font.lfFaceName), texts.Faces().windowsFace);
    if (texts.WrapsBetweenCharacters()) {  // the log's own word breaks, as Wine's own would break Chinese too
        std::wstring text = Widen(texts.Text("Brimblet, a board game for one or two: race your counter over 81 squares, "
                                             "up the ladders and down the strings, against Fred or a friend."));
        auto wordBreak = reinterpret_cast<EDITWORDBREAKPROCW>(SendMessageW(g.form.Control(Memo1), EM_GETWORDBREAKPROC, 0, 0));
        ASSERT_NE(wordBreak, nullptr);
        int besideTheLast = 0;  // a line may end after most characters, never before a closing mark
        for (int at = 1, count = static_cast<int>(text.size()); at < count; ++at) {
            const int start = wordBreak(text.data(), at, count, WB_LEFT);
            EXPECT_TRUE(start < at && (start == 0 || brimblet::MayBreakBetween(text[start - 1], text[start]))) << at;
            besideTheLast += start == at - 1;
        }
        EXPECT_GT(besideTheLast, static_cast<int>(text.size()) / 2);
    }
    g.Press(Restart);
    EXPECT_EQ(g.Log(), std::vector<std::string>{texts.Text("Press one of the buttons for different players.")});
}

}  // namespace
