#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "GameState.h"
#include "GameTexts.h"
#include "Presentation.h"
#include "RandomSource.h"

namespace brimblet {

// What the game has resolved since it began, kept by the rules themselves so that anyone
// watching from outside can check their own count against it.
struct GameRecord {
    std::uint64_t Throws = 0;   // resolved throws
    std::uint64_t Refused = 0;  // throws past the finish
    std::uint64_t Ladders = 0;
    std::uint64_t Strings = 0;
    std::uint64_t Wins = 0;
};

// The game's rules and its turn flow. Each public operation is what one event does:
// the creation of the main window, a click on one of its buttons, or a click on the die.
// It speaks to the players only through the Presentation.
class Game {
public:
    Game(Presentation& view, const UtcClock& clock, GameTexts texts = {})
        : view_(view), random_(clock), texts_(std::move(texts)) {}

    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // The game's share of the main window's creation: the starting values.
    void FormCreate();

    void Player1Click();  // "1 Player"
    void Player2Click();  // "2 Players"
    void RestartClick();  // "Restart"
    void Image2Click();   // the die or its caption

    // One human throw, and Fred's answering throw; each ends in Calculate.
    void Dice();
    void Fred();

    // Applies LastThrow to the counter whose turn it is, reports the outcome, redraws,
    // and hands the turn over.
    void Calculate();

    const GameState& State() const { return state_; }
    const GameTexts& Texts() const { return texts_; }
    const GameRecord& Record() const { return record_; }
    GameState& MutableState() { return state_; }
    RandomSource& Random() { return random_; }

    // The name in front of a message for the player named by PlayMode and Turn.
    std::string MoverName() const;

private:
    void Throw(std::int32_t extraCountBound, bool humanThrow);

    Presentation& view_;
    RandomSource random_;
    GameTexts texts_;
    GameState state_;
    GameRecord record_;
};

}  // namespace brimblet
