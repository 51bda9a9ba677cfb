#include <gtest/gtest.h>

#include "RecordingPresentation.h"

namespace brimblet {
namespace {

using Lines = std::vector<std::string>;
using GameFlow = testing::GameFixture;

struct GameFlowTest : ::testing::Test, GameFlow {};

TEST_F(GameFlowTest, creationSetsTheStartingValuesAndDrawsNothing) {
    Game fresh(view, clock);
    const GameState& s = fresh.State();
    EXPECT_EQ(s.GameActive, 0);
    EXPECT_EQ(s.LastThrow, 0);
    fresh.FormCreate();
    EXPECT_EQ(s.Position1, 1);
    EXPECT_EQ(s.Position2, 1);
    EXPECT_EQ(s.Turn, 1);
    EXPECT_EQ(s.PlayMode, 1);
    EXPECT_EQ(s.GameActive, 0);
    EXPECT_EQ(fresh.Random().Seed, 0u);
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(GameFlowTest, choosingAModeEnablesThrowsAndShowsItsDialogOnly) {
    state().Position1 = 30;
    state().Turn = 2;
    game.Player2Click();
    EXPECT_EQ(state().GameActive, 1);
    EXPECT_EQ(state().PlayMode, 2);
    game.Player1Click();
    EXPECT_EQ(state().PlayMode, 1);
    EXPECT_EQ(state().Position1, 30);
    EXPECT_EQ(state().Turn, 2);
    EXPECT_EQ(view.calls, Lines({"dialog 2", "dialog 1"}));
}

TEST_F(GameFlowTest, restartPutsCountersBackRedrawsThenLeavesOneHint) {
    game.Player2Click();
    state().Position1 = 50;
    state().Position2 = 81;
    state().Turn = 2;
    state().GameActive = 0;
    state().LastThrow = 4;
    view.log = {"a", "b", "c"};
    view.calls.clear();

    game.RestartClick();
    EXPECT_EQ(view.calls, Lines({"draw 1 1", "clear",
                                 "append Press one of the buttons for different players."}));
    EXPECT_EQ(view.log, Lines({"Press one of the buttons for different players."}));
    EXPECT_EQ(state().Turn, 1);
    EXPECT_EQ(state().GameActive, 1);
    EXPECT_EQ(state().PlayMode, 2);  // the mode is kept
    EXPECT_EQ(state().LastThrow, 4);
}

TEST_F(GameFlowTest, dieClicksAreIgnoredUntilAModeOrRestart) {
    game.Image2Click();
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(clock.reads, 0);
    game.RestartClick();
    view.calls.clear();
    game.Image2Click();  // restart straight after start-up plays one-player, named from the box
    ASSERT_FALSE(view.calls.empty());
    EXPECT_EQ(view.log.front().rfind("Player1 scored a : ", 0), 0u);
}

TEST_F(GameFlowTest, afterAWinClicksDoNothingUntilAModeButtonThenTheWinnerIsAlwaysRefused) {
    game.Player1Click();
    state().Position1 = 77;
    clock.Set(testing::kDiceClockFor[3]);  // 77 + 4 = 81
    game.Image2Click();
    EXPECT_EQ(state().GameActive, 0);
    EXPECT_EQ(view.log.back(), "Player1 wins!! Congratulations!");
    EXPECT_EQ(state().Turn, 2);
    EXPECT_EQ(clock.reads, 1) << "Fred must not throw after a winning human throw";

    view.calls.clear();
    game.Image2Click();
    EXPECT_TRUE(view.calls.empty());

    game.Player2Click();
    state().Turn = 1;
    clock.Set(testing::kDiceClockFor[0]);
    game.Image2Click();
    EXPECT_EQ(state().Position1, 81);
    EXPECT_EQ(view.log,
              Lines({"Player1 scored a : 1", "Player1, i am sorry - your throw was too high!"}));
}

TEST_F(GameFlowTest, whenFredWinsFurtherClicksAreIgnoredAndTurnIsOneAgain) {
    game.Player1Click();
    state().Position2 = 80;
    clock.Push(testing::kDiceClockFor[2]);
    clock.Push(testing::kFredClockFor[0]);
    game.Image2Click();
    EXPECT_EQ(state().Position2, 81);
    EXPECT_EQ(state().GameActive, 0);
    EXPECT_EQ(state().Turn, 1);
    EXPECT_EQ(view.log.back(), "Fred wins!! Congratulations!");
    const auto before = view.calls.size();
    game.Image2Click();
    EXPECT_EQ(view.calls.size(), before);
}

TEST_F(GameFlowTest, switchingToOnePlayerWithTurnTwoMakesTheFirstThrowFreds) {
    game.Player2Click();
    state().Turn = 2;
    view.names[NameBox::TwoPlayerSecond] = "Zed";
    view.log = {"earlier"};
    game.Player1Click();
    view.calls.clear();
    clock.Push(testing::kDiceClockFor[2]);  // 3 for Fred, from 1 to 4
    clock.Push(testing::kFredClockFor[4]);  // 5 for player 1, from 1 to 6
    game.Image2Click();
    EXPECT_EQ(view.log, Lines({"earlier", "Fred scored a : 3", "Player1 scored a : 5"}));
    EXPECT_EQ(view.calls, Lines({"face 3", "append Fred scored a : 3", "draw 1 4", "face 5",
                                 "append Player1 scored a : 5", "draw 6 4"}));
    EXPECT_EQ(state().Turn, 2);
}

}  // namespace
}  // namespace brimblet
