#include <gtest/gtest.h>

#include <set>

#include "BoardJumps.h"
#include "GameState.h"

namespace brimblet {
namespace {

TEST(BoardJumps, holdsTheTenJumpsInTestingOrder) {
    const std::vector<std::vector<int>> expected = {
        {2, 40, 0},  {13, 30, 0}, {42, 76, 0}, {44, 63, 0}, {53, 72, 0},
        {79, 51, 1}, {70, 38, 1}, {61, 28, 1}, {37, 20, 1}, {23, 8, 1}};
    std::vector<std::vector<int>> actual;
    for (const BoardJump& jump : BoardJumps) {
        actual.push_back({jump.From, jump.To, jump.Kind == JumpKind::String ? 1 : 0});
    }
    EXPECT_EQ(actual, expected);
}

TEST(BoardJumps, aThrowMakesAtMostOneJumpAndLaddersGoUp) {
    std::set<int> from;
    for (const BoardJump& jump : BoardJumps) {
        EXPECT_TRUE(from.insert(jump.From).second) << jump.From << " appears twice";
        EXPECT_FALSE(FindJump(jump.To).has_value()) << jump.To << " is both a head and a foot";
        EXPECT_GT(jump.From, kStartSquare);
        EXPECT_LT(jump.From, kFinishSquare);
        EXPECT_EQ(jump.Kind == JumpKind::Ladder, jump.To > jump.From);
    }
}

TEST(BoardJumps, squaresOffTheTableHaveNoJump) {
    for (int square : {1, 3, 40, 8, 80, 81}) {
        EXPECT_FALSE(FindJump(square).has_value()) << square;
    }
    EXPECT_EQ(FindJump(79)->To, 51);
}

}  // namespace
}  // namespace brimblet
