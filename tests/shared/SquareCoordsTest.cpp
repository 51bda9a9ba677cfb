#include <gtest/gtest.h>

#include "SquareCoords.h"

namespace brimblet {
namespace {

::testing::AssertionResult At(int square, std::int32_t x, std::int32_t y) {
    const SquarePoint p = SquareCoords[static_cast<std::size_t>(square)];
    if (p.x == x && p.y == y) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "square " << square << " is at (" << p.x << ", " << p.y << ")";
}

TEST(SquareCoords, CornersAndRowEndsOfTheSnakingBoard) {
    EXPECT_TRUE(At(1, 5, 230));
    EXPECT_TRUE(At(9, 230, 230));
    EXPECT_TRUE(At(10, 230, 202));  // row 2 runs right to left
    EXPECT_TRUE(At(18, 5, 202));
    EXPECT_TRUE(At(73, 5, 5));
    EXPECT_TRUE(At(81, 230, 5));
}

TEST(SquareCoords, UnevenStepsAreTakenAsTheBoardIsDrawn) {
    const std::int32_t across[] = {5, 35, 60, 90, 120, 145, 175, 200, 230};
    const std::int32_t up[] = {230, 202, 175, 148, 121, 90, 63, 35, 5};
    for (int row = 0; row < 9; ++row) {
        for (int place = 0; place < 9; ++place) {
            const int column = row % 2 == 0 ? place : 8 - place;
            EXPECT_TRUE(At(row * 9 + place + 1, across[column], up[row]));
        }
    }
}

TEST(SquareCoords, ACounterLiesWhollyInsideItsSquare) {
    // Squares are 28 pixels apart (the rightmost column 27 wide); a counter is 16 x 16.
    for (int n = 1; n <= kFinishSquare; ++n) {
        const SquarePoint p = SquareCoords[static_cast<std::size_t>(n)];
        const int column = p.x / 28;
        const int row = p.y / 28;
        EXPECT_GE(p.x - column * 28, 4) << n;
        EXPECT_LE(p.x + 16, column == 8 ? 251 : (column + 1) * 28) << n;
        EXPECT_LE(p.y + 16, row == 8 ? 252 : (row + 1) * 28) << n;
    }
}

}  // namespace
}  // namespace brimblet
