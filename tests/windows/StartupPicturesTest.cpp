#include <gtest/gtest.h>

#include "MainLayout.h"
#include "WindowsTestSupport.h"

namespace {

using namespace form1;
using wintest::PictureFolder;
using wintest::Shows;
using wintest::StartedGame;

// L loaded, E created but empty, N never created: board, counter 1, counter 2, faces 1..6.
std::string Split(const GameAssets& a) {
    auto state = [](const Bitmap* b) { return b == nullptr ? 'N' : b->Empty() ? 'E' : 'L'; };
    std::string s{state(a.Board()), state(a.Counter1()), state(a.Counter2()), ' '};
    for (int v = 1; v <= 6; ++v) {
        s += state(a.DieFace(v));
    }
    return s;
}

// The stored board, no counters, both read-outs "1": the first redraw did not run.
void ExpectNoCountersDrawn(const StartedGame& g) {
    EXPECT_TRUE(Shows(g.Board(), wintest::Picture("brimb.bmp"), 0, 0));
    EXPECT_EQ(g.Text(position1), "1");
    EXPECT_EQ(g.Text(position2), "1");
}

TEST(StartupPictures, AllNineFilesLoadWithoutAReport) {
    PictureFolder folder;
    StartedGame g;
    EXPECT_TRUE(g.reports.texts.empty());
    EXPECT_EQ(Split(g.form.Assets()), "LLL LLLLLL");
    EXPECT_EQ(g.form.Assets().Board()->width, 251);
    EXPECT_EQ(g.form.Assets().DieFace(6)->height, 29);
    EXPECT_TRUE(IsWindowVisible(g.form.Handle()));
}

TEST(StartupPictures, AMissingBoardIsReportedOnceAndTheWindowOpensWithoutCounters) {
    PictureFolder folder;
    folder.Remove("brimb.bmp");
    StartedGame g;
    EXPECT_EQ(g.reports.texts, (std::vector<std::string>{"Cannot open file brimb.bmp."}));
    EXPECT_EQ(Split(g.form.Assets()), "EEE NNNNNN");
    ExpectNoCountersDrawn(g);
    EXPECT_TRUE(IsWindowVisible(g.form.Handle()));
    EXPECT_EQ(g.State().Position1, 1);  // the game state was set up before the pictures
}

// The design-time board is decoded only when it shows: here the file is missing, so a
// drawing over part of the box leaves the design's pixels all around it.
TEST(StartupPictures, ADrawingOverPartOfABoxLeavesItsDesignPictureAroundIt) {
    PictureFolder folder;
    folder.Remove("brimb.bmp");
    StartedGame g;
    const Bitmap counter = wintest::Picture("counter.bmp");
    g.Board().Draw(&counter, 10, 20);
    Bitmap expected = wintest::Picture("brimb.bmp");  // the built-in board: the same pixels
    for (int y = 0; y < counter.height; ++y) {
        for (int x = 0; x < counter.width; ++x) {
            expected
                .pixels[std::size_t(20 + y) * std::size_t(expected.width) + std::size_t(10 + x)] =
                counter.Pixel(x, y);
        }
    }
    EXPECT_TRUE(Shows(g.Board(), expected, 0, 0));
}

TEST(StartupPictures, EachKindOfBadFileHasItsOwnText) {
    struct Row {
        const char* file;
        std::string bytes;
        const char* report;
        const char* split;
    };
    const Row rows[] = {
        {"counter.bmp", "BM12", "Stream read error.", "LEE NNNNNN"},
        {"counter2.bmp", "GIF89a, not a bitmap", "Bitmap image is not valid.", "LLE NNNNNN"},
        {"d1.bmp", std::string("BM") + std::string(12, '\0'), nullptr, "LLL EEEEEE"},
        {"d2.bmp", "PK\x03\x04 a zip file", "Bitmap image is not valid.", "LLL LEEEEE"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        PictureFolder folder;
        folder.Write(row.file, row.bytes);
        StartedGame g;
        ASSERT_EQ(g.reports.texts.size(), 1u);
        if (row.report != nullptr) {
            EXPECT_EQ(g.reports.texts[0], row.report);
        } else {
            EXPECT_EQ(g.reports.texts[0].rfind("Bitmap image is damaged", 0), 0u)
                << g.reports.texts[0];
        }
        EXPECT_EQ(Split(g.form.Assets()), row.split);
        ExpectNoCountersDrawn(g);
    }
}

TEST(StartupPictures, OnlyTheFirstOfTwoMissingFilesIsReported) {
    PictureFolder folder;
    folder.Remove("d3.bmp");
    folder.Remove("counter.bmp");
    StartedGame g;
    EXPECT_EQ(g.reports.texts, (std::vector<std::string>{"Cannot open file counter.bmp."}));
}

TEST(StartupPictures, ZeroByteFilesAreEmptyBitmapsThatDrawNothing) {
    PictureFolder folder;
    folder.Write("d6.bmp", "");
    folder.Write("brimb.bmp", "");
    StartedGame g;
    EXPECT_TRUE(g.reports.texts.empty());
    EXPECT_EQ(Split(g.form.Assets()), "ELL LLLLLE");
    // The counters land on the stored board; an empty board bitmap does not wipe them.
    EXPECT_TRUE(Shows(g.Board(), wintest::Picture("counter2.bmp"), 5, 230));
}

TEST(StartupPictures, AFileHeldOpenByAnotherProgramCannotBeOpened) {
    PictureFolder folder;
    HANDLE held = CreateFileA(folder.Path("counter2.bmp").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    StartedGame g;
    CloseHandle(held);
    EXPECT_EQ(g.reports.texts, (std::vector<std::string>{"Cannot open file counter2.bmp."}));
    EXPECT_EQ(Split(g.form.Assets()), "LLE NNNNNN");
}

TEST(StartupPictures, AGiantDeclaredPictureIsRefusedAndTheFolderIsLeftAsItWas) {
    PictureFolder folder;
    std::string header(54, '\0');
    header[0] = 'B';
    header[1] = 'M';
    header[10] = 54;
    header[14] = 40;
    header[18] = header[19] = header[20] = '\x7f';  // width 0x007f7f7f
    header[22] = '\x10';                            // height 16
    folder.Write("d4.bmp", header);
    const std::string board = folder.Read("brimb.bmp");
    StartedGame g;
    EXPECT_EQ(g.reports.texts,
              (std::vector<std::string>{"Bitmap image is too large (8355711 x 16 pixels)."}));
    EXPECT_EQ(folder.Read("brimb.bmp"), board);
    EXPECT_EQ(folder.Read("d4.bmp"), header);
}

}  // namespace
