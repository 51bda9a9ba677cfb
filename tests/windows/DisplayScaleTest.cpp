// The windows at the display's scale. In the suite they run at 96 dots per inch; dpi.sh runs
// them again with the prefix set to 120, 144 and 192.
#include <gtest/gtest.h>

#include "Dpi.h"
#include "MainLayout.h"
#include "MessageLoop.h"
#include "WindowsTestSupport.h"
#include "player1Layout.h"
#include "player2Layout.h"

namespace {

using wintest::PictureFolder;
using wintest::StartedGame;

TEST(DisplayScale, EveryWindowIsLaidOutAtTheDisplaysDpiWithItsTextsInside) {
    PictureFolder folder;
    StartedGame g;
    const int dpi = WindowDpi(g.form.Handle());
    std::printf("display: %d dots per inch\n", dpi);
    wintest::ExpectLayout(g.form.Handle(), form1::kForm, dpi);
    wintest::ExpectTextsFit(g.form.Handle(), form1::kForm);
    EXPECT_EQ(g.form.Picture(form1::Image2).SurfaceWidth(), 29);  // drawn at its own size

    g.Press(form1::Player1);
    g.Press(form1::Player2);
    for (auto [dialog, design] : {std::pair{static_cast<NameDialog*>(&g.form2), &form2::kForm},
                                  std::pair{static_cast<NameDialog*>(&g.form3), &form3::kForm}}) {
        wintest::ExpectLayout(dialog->Handle(), *design, dpi);
        wintest::ExpectTextsFit(dialog->Handle(), *design);
        RECT outer{};
        GetWindowRect(dialog->Handle(), &outer);
        const SIZE size = OuterSize(*design, dpi);
        EXPECT_EQ(outer.right - outer.left, size.cx);
        EXPECT_EQ(outer.left, std::max(0L, (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2L));
    }
}

// Moved to a monitor of another DPI, a window is laid out again at the rectangle Windows
// suggests: its controls, fonts and pictures, and the read-outs measured at the new size.
TEST(DisplayScale, ADpiChangeLaysTheWindowOutAgainWhereWindowsSuggests) {
    PictureFolder folder;
    StartedGame g;
    const int before = WindowDpi(g.form.Handle());
    const int after = before == 192 ? 96 : 192;
    // Windows suggests the size that keeps the client area's design at the new scale, inside
    // the frame the window has (here, in one process, its frame stays as it was).
    RECT outer{};
    GetWindowRect(g.form.Handle(), &outer);
    RECT client{};
    GetClientRect(g.form.Handle(), &client);
    const int frameWidth = (outer.right - outer.left) - client.right;
    const int frameHeight = (outer.bottom - outer.top) - client.bottom;
    RECT suggested{10, 20, 10 + Scaled(514, after) + frameWidth,
                   20 + Scaled(316, after) + frameHeight};
    SendMessageW(g.form.Handle(), WM_DPICHANGED, MAKEWPARAM(after, after),
                 reinterpret_cast<LPARAM>(&suggested));
    DispatchPendingMessages();
    wintest::ExpectLayout(g.form.Handle(), form1::kForm, after);
    wintest::ExpectTextsFit(g.form.Handle(), form1::kForm);
    RECT r{};
    GetWindowRect(g.form.Handle(), &r);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);

    // The board's pixels are shown as blocks of the new scale: its top-left bitmap pixel
    // fills the first block of the box, as the bitmap says.
    const RECT die = g.Bounds(form1::Image2);
    EXPECT_EQ(die.right - die.left, Scaled(29, after));
    g.Press(form1::Restart);
    g.ClickDie();
    DispatchPendingMessages();
    const RECT square = g.Bounds(form1::position1);
    EXPECT_EQ(square.top, Scaled(200, after));
    EXPECT_GT(square.right - square.left, 0);
}

}  // namespace
