#include <gtest/gtest.h>

#include "RecordingPresentation.h"

namespace brimblet {
namespace {

using Lines = std::vector<std::string>;
using testing::kDiceClockFor;
using testing::kFredClockFor;

struct ThrowTest : ::testing::Test, testing::GameFixture {};

TEST_F(ThrowTest, aThrowShowsItsFaceReportsItThenResolvesOnce) {
    game.Player2Click();
    view.calls.clear();
    clock.Set(kDiceClockFor[3]);
    game.Image2Click();
    EXPECT_EQ(view.calls, Lines({"face 4", "replace Player1 scored a : 4", "draw 5 1"}));
    EXPECT_EQ(state().LastThrow, 4);
    EXPECT_EQ(state().Turn, 2);
    EXPECT_EQ(clock.reads, 1);
}

TEST_F(ThrowTest, humanThrowForPlayerOneReplacesTheLogEverythingElseAppends) {
    game.Player2Click();
    view.log = {"old"};
    clock.Set(kDiceClockFor[2]);
    game.Image2Click();
    EXPECT_EQ(view.log, Lines({"Player1 scored a : 3"}));
    game.Image2Click();
    EXPECT_EQ(view.log, Lines({"Player1 scored a : 3", "Player2 scored a : 3"}));

    // Fred's throw appends even when it is made for player 1.
    state().Turn = 1;
    clock.Set(kFredClockFor[4]);
    game.Fred();
    EXPECT_EQ(view.log.size(), 3u);
    EXPECT_EQ(view.log.back(), "Player1 scored a : 5");
}

TEST_F(ThrowTest, firstOnePlayerClickOntoTheLadderLeavesThreeLines) {
    game.Player1Click();
    clock.Push(kDiceClockFor[0]);
    clock.Push(kFredClockFor[2]);
    game.Image2Click();
    EXPECT_EQ(view.log, Lines({"Player1 scored a : 1", "Player1 goes up the ladder......",
                               "Fred scored a : 3"}));
    EXPECT_EQ(state().Position1, 40);
    EXPECT_EQ(state().Position2, 4);
    EXPECT_EQ(state().Turn, 1);
    EXPECT_EQ(view.calls.back(), "draw 40 4");
    EXPECT_EQ(clock.reads, 2) << "each throw reseeds";
}

TEST_F(ThrowTest, oneClockReadingForBothThrowsShowsTheSameFaceWhenTheExtraCountsAgree) {
    game.Player1Click();
    clock.Set(4);  // first draw scales to 1 of 10 and 1 of 15: two faces each
    game.Image2Click();
    EXPECT_EQ(view.log, Lines({"Player1 scored a : 2", "Fred scored a : 2"}));

    clock.Set(45296789);  // 12:34:56.789: extra counts 4 and 7, so the kept draws differ
    game.Image2Click();
    EXPECT_EQ(view.log, Lines({"Player1 scored a : 3", "Fred scored a : 5"}));
}

TEST_F(ThrowTest, anExtraCountOfZeroStillDrawsOneFace) {
    game.Player1Click();
    clock.Set(0);  // Seed 0 from midnight: Uniform(10) = 0, then one face
    game.Dice();
    EXPECT_EQ(state().LastThrow, 1);
    EXPECT_EQ(view.calls.at(1), "face 1");
}

TEST_F(ThrowTest, namesAreReadWhenEachMessageIsBuilt) {
    game.Player1Click();
    view.names[NameBox::OnePlayerName] = "";
    clock.Push(kDiceClockFor[0]);
    clock.Push(kFredClockFor[5]);
    game.Image2Click();
    EXPECT_EQ(view.log, Lines({" scored a : 1", " goes up the ladder......", "Fred scored a : 6"}));

    view.names[NameBox::OnePlayerName] = "Renamed";
    clock.Set(kDiceClockFor[1]);
    game.Image2Click();
    EXPECT_EQ(view.log.front(), "Renamed scored a : 2");
}

TEST_F(ThrowTest, twoPlayerClicksThrowOncePerClickAndNeverForFred) {
    game.Player2Click();
    view.names[NameBox::TwoPlayerSecond] = "Sam";
    clock.Set(kDiceClockFor[4]);
    game.Image2Click();
    EXPECT_EQ(view.log, Lines({"Player1 scored a : 5"}));
    game.Image2Click();
    EXPECT_EQ(view.log, Lines({"Player1 scored a : 5", "Sam scored a : 5"}));
    EXPECT_EQ(state().Position1, 6);
    EXPECT_EQ(state().Position2, 6);
    EXPECT_EQ(clock.reads, 2);
}

}  // namespace
}  // namespace brimblet
