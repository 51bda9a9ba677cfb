#include <gtest/gtest.h>

#include "RecordingPresentation.h"

namespace brimblet {
namespace {

using Lines = std::vector<std::string>;

// Calculate on its own: a counter on `from`, a throw of `value` for the player to move.
struct MoveResolution : ::testing::Test, testing::GameFixture {
    void Move(int turn, int from, int value) {
        state().Turn = turn;
        (turn == 1 ? state().Position1 : state().Position2) = from;
        state().LastThrow = value;
        state().GameActive = 1;
        view.calls.clear();
        view.log.clear();
        game.Calculate();
    }
};

TEST_F(MoveResolution, exactLandingOnTheFinishWinsAndStillPassesTheTurn) {
    Move(1, 75, 6);
    EXPECT_EQ(state().Position1, 81);
    EXPECT_EQ(state().GameActive, 0);
    EXPECT_EQ(state().Turn, 2);
    EXPECT_EQ(view.calls, Lines({"append Player1 wins!! Congratulations!", "draw 81 1"}));
}

TEST_F(MoveResolution, overshootIsRefusedWithItsLineAndPassesTheTurn) {
    Move(1, 76, 6);
    EXPECT_EQ(state().Position1, 76);
    EXPECT_EQ(state().GameActive, 1);
    EXPECT_EQ(state().Turn, 2);
    EXPECT_EQ(view.calls,
              Lines({"append Player1, i am sorry - your throw was too high!", "draw 76 1"}));
}

TEST_F(MoveResolution, fromEightyOnlyAOneIsAccepted) {
    for (int value = 2; value <= 6; ++value) {
        Move(2, 80, value);
        EXPECT_EQ(state().Position2, 80) << value;
        EXPECT_EQ(view.log, Lines({"Fred, i am sorry - your throw was too high!"}));
    }
    Move(2, 80, 1);
    EXPECT_EQ(state().Position2, 81);
    EXPECT_EQ(view.log, Lines({"Fred wins!! Congratulations!"}));
}

TEST_F(MoveResolution, laddersAndStringsMoveTheCounterWithTheirLines) {
    Move(1, 1, 1);
    EXPECT_EQ(state().Position1, 40);
    EXPECT_EQ(view.log, Lines({"Player1 goes up the ladder......"}));

    Move(2, 73, 6);  // 79 is two squares from the finish, but its string still pulls
    EXPECT_EQ(state().Position2, 51);
    EXPECT_EQ(view.log, Lines({"Fred goes down the string :-("}));

    const std::pair<int, int> jumps[] = {{13, 30}, {42, 76}, {44, 63}, {53, 72},
                                         {70, 38}, {61, 28}, {37, 20}, {23, 8}};
    for (auto [from, to] : jumps) {
        Move(1, from - 1, 1);
        EXPECT_EQ(state().Position1, to) << from;
        EXPECT_EQ(view.log.size(), 1u);
    }
}

TEST_F(MoveResolution, landingOnAHeadOrATailIsAnOrdinaryMoveWithNoLine) {
    Move(1, 36, 4);
    EXPECT_EQ(state().Position1, 40);
    Move(2, 5, 3);
    EXPECT_EQ(state().Position2, 8);
    EXPECT_EQ(view.calls, Lines({"draw 40 8"}));
    EXPECT_EQ(state().Turn, 1);
}

TEST_F(MoveResolution, aCounterOnTheFinishCanNeverMoveAgain) {
    for (int value = 1; value <= 6; ++value) {
        Move(1, 81, value);
        EXPECT_EQ(state().Position1, 81);
        EXPECT_EQ(view.log, Lines({"Player1, i am sorry - your throw was too high!"}));
        EXPECT_EQ(state().GameActive, 1);
    }
}

TEST_F(MoveResolution, namesFollowPlayModeAndTurn) {
    view.names[NameBox::OnePlayerName] = "Ann";
    view.names[NameBox::TwoPlayerFirst] = "Bea";
    view.names[NameBox::TwoPlayerSecond] = "Cy";
    state().PlayMode = 1;
    Move(1, 1, 1);
    Move(2, 1, 1);
    EXPECT_EQ(view.log, Lines({"Fred goes up the ladder......"}));
    state().PlayMode = 2;
    Move(1, 1, 1);
    EXPECT_EQ(view.log, Lines({"Bea goes up the ladder......"}));
    Move(2, 1, 1);
    EXPECT_EQ(view.log, Lines({"Cy goes up the ladder......"}));
    state().PlayMode = 1;
    Move(1, 1, 1);
    EXPECT_EQ(view.log, Lines({"Ann goes up the ladder......"}));
}

TEST_F(MoveResolution, anEmptyNameLeavesTheOutcomeTextAlone) {
    view.names[NameBox::OnePlayerName] = "";
    Move(1, 79, 6);
    EXPECT_EQ(view.log, Lines({", i am sorry - your throw was too high!"}));
    Move(1, 79, 2);
    EXPECT_EQ(view.log, Lines({" wins!! Congratulations!"}));
}

TEST_F(MoveResolution, turnFlipsToOneFromAnythingButOne) {
    Move(1, 1, 3);
    EXPECT_EQ(state().Turn, 2);
    state().Turn = 7;  // not a value the game makes; any value but 1 counts as player 2
    state().LastThrow = 3;
    game.Calculate();
    EXPECT_EQ(state().Position2, 4);
    EXPECT_EQ(state().Turn, 1);
}

}  // namespace
}  // namespace brimblet
