#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "BitmapCheck.h"
#include "GameAssets.h"

namespace brimblet {
namespace {

// A bitmap that remembers the file it came from; empty when default-constructed.
struct FakeBitmap {
    std::string file;
};

// Loads every file but those named as failing; a failing file throws as a missing one does.
struct FakeLoader {
    std::set<std::string> failing;
    std::vector<std::string> tried;

    FakeBitmap operator()(const char* name) {
        tried.emplace_back(name);
        if (failing.count(name) != 0) {
            FailCannotOpen(name);
        }
        return FakeBitmap{name};
    }
};

// L loaded, E created but empty, N never created: board, counter 1, counter 2, faces 1..6.
std::string Split(const GameAssets<FakeBitmap>& a) {
    auto state = [](const FakeBitmap* b) {
        return b == nullptr ? 'N' : b->file.empty() ? 'E' : 'L';
    };
    std::string s{state(a.Board()), state(a.Counter1()), state(a.Counter2()), ' '};
    for (int v = 1; v <= 6; ++v) {
        s += state(a.DieFace(v));
    }
    return s;
}

std::string SplitWhenFailing(std::set<std::string> failing, std::string* error = nullptr) {
    GameAssets<FakeBitmap> assets;
    FakeLoader loader{std::move(failing), {}};
    try {
        assets.CreateAndLoad(loader);
    } catch (const PictureError& e) {
        if (error != nullptr) {
            *error = e.what();
        }
    }
    return Split(assets);
}

TEST(GameAssets, AllFilesLoadInOrderByBareName) {
    GameAssets<FakeBitmap> assets;
    FakeLoader loader;
    assets.CreateAndLoad(std::ref(loader));
    EXPECT_EQ(loader.tried,
              (std::vector<std::string>{"brimb.bmp", "counter.bmp", "counter2.bmp", "d1.bmp",
                                        "d2.bmp", "d3.bmp", "d4.bmp", "d5.bmp", "d6.bmp"}));
    EXPECT_EQ(Split(assets), "LLL LLLLLL");
    EXPECT_EQ(assets.DieFace(4)->file, "d4.bmp");
    EXPECT_EQ(assets.DieFace(0), nullptr);
    EXPECT_EQ(assets.DieFace(7), nullptr);
}

TEST(GameAssets, TheFirstFailingFileDecidesWhatIsLoadedEmptyOrNeverCreated) {
    EXPECT_EQ(SplitWhenFailing({"brimb.bmp"}), "EEE NNNNNN");
    EXPECT_EQ(SplitWhenFailing({"counter.bmp"}), "LEE NNNNNN");
    EXPECT_EQ(SplitWhenFailing({"counter2.bmp"}), "LLE NNNNNN");
    EXPECT_EQ(SplitWhenFailing({"d1.bmp"}), "LLL EEEEEE");
    EXPECT_EQ(SplitWhenFailing({"d2.bmp"}), "LLL LEEEEE");
    EXPECT_EQ(SplitWhenFailing({"d6.bmp"}), "LLL LLLLLE");
}

TEST(GameAssets, OnlyTheFirstOfSeveralFailingFilesIsReportedAndNoLaterOneIsTried) {
    std::string error;
    EXPECT_EQ(SplitWhenFailing({"d3.bmp", "counter.bmp"}, &error), "LEE NNNNNN");
    EXPECT_EQ(error, "Cannot open file counter.bmp");

    GameAssets<FakeBitmap> assets;
    FakeLoader loader{{"counter2.bmp"}, {}};
    EXPECT_THROW(assets.CreateAndLoad(std::ref(loader)), PictureError);
    EXPECT_EQ(loader.tried.back(), "counter2.bmp");
}

}  // namespace
}  // namespace brimblet
