#include <gtest/gtest.h>

#include <map>

#include "RecordingPresentation.h"

namespace brimblet {
namespace {

// A referee of our own: the board's jumps written out again, and the rules applied to the
// faces the game shows, so every redraw can be checked against an independent count.
struct Referee {
    std::map<int, int> jumps{{2, 40},  {13, 30}, {42, 76}, {44, 63}, {53, 72},
                             {79, 51}, {70, 38}, {61, 28}, {37, 20}, {23, 8}};
    int position[3] = {0, 1, 1};
    int turn = 1;

    void Apply(int face) {
        int target = position[turn] + face;
        if (target <= 81) {
            position[turn] = jumps.count(target) ? jumps[target] : target;
        }
        turn = turn == 1 ? 2 : 1;
    }
};

// Plays clicks until someone wins, checking every face against the next redraw.
// Returns the number of clicks.
int PlayToAWin(testing::GameFixture& f, Referee& referee, int maxClicks) {
    int clicks = 0;
    std::uint32_t ms = 1000;
    while (f.game.State().GameActive == 1 && clicks < maxClicks) {
        for (int i = 0; i < 2; ++i) {
            f.clock.Push(ms);
            ms += 7919;  // a prime step, so the readings cover the day unevenly
        }
        f.view.calls.clear();
        f.game.Image2Click();
        ++clicks;
        for (std::size_t i = 0; i < f.view.calls.size(); ++i) {
            const std::string& call = f.view.calls[i];
            if (call.rfind("face ", 0) != 0) {
                continue;
            }
            referee.Apply(std::stoi(call.substr(5)));
            const std::string expected = "draw " + std::to_string(referee.position[1]) + " " +
                                         std::to_string(referee.position[2]);
            std::size_t j = i + 1;
            while (j < f.view.calls.size() && f.view.calls[j].rfind("draw ", 0) != 0) {
                ++j;
            }
            EXPECT_LT(j, f.view.calls.size());
            if (j < f.view.calls.size()) {
                EXPECT_EQ(f.view.calls[j], expected) << "click " << clicks;
            }
        }
        EXPECT_EQ(f.game.State().Turn, referee.turn);
    }
    return clicks;
}

TEST(WholeGame, onePlayerGameIsPlayedToAWin) {
    testing::GameFixture f;
    f.view.names[NameBox::OnePlayerName] = "Ada";
    f.game.Player1Click();
    Referee referee;
    const int clicks = PlayToAWin(f, referee, 5000);
    ASSERT_EQ(f.game.State().GameActive, 0) << "no winner after " << clicks << " clicks";
    const bool adaWon = f.game.State().Position1 == 81;
    EXPECT_NE(adaWon, f.game.State().Position2 == 81);
    EXPECT_EQ(f.view.log.back(),
              adaWon ? "Ada wins!! Congratulations!" : "Fred wins!! Congratulations!");
    if (adaWon) {
        EXPECT_EQ(f.view.log.size(), 2u) << "Fred must not answer the winning throw";
    }
}

TEST(WholeGame, twoPlayerGameIsPlayedToAWinThenRestarted) {
    testing::GameFixture f;
    f.view.names[NameBox::TwoPlayerFirst] = "Kim";
    f.view.names[NameBox::TwoPlayerSecond] = "Lee";
    f.game.Player2Click();
    Referee referee;
    PlayToAWin(f, referee, 5000);
    ASSERT_EQ(f.game.State().GameActive, 0);
    const std::string winner = f.game.State().Position1 == 81 ? "Kim" : "Lee";
    EXPECT_EQ(f.view.log.back(), winner + " wins!! Congratulations!");

    f.game.RestartClick();
    EXPECT_EQ(f.game.State().PlayMode, 2);
    Referee again;
    PlayToAWin(f, again, 5000);
    EXPECT_EQ(f.game.State().GameActive, 0);
}

}  // namespace
}  // namespace brimblet
