#pragma once

#include <cstdint>

namespace brimblet {

constexpr std::int32_t kStartSquare = 1;
constexpr std::int32_t kFinishSquare = 81;

constexpr std::int32_t kPlayer1 = 1;
constexpr std::int32_t kPlayer2 = 2;

constexpr std::int32_t kOnePlayerMode = 1;  // one player against Fred
constexpr std::int32_t kTwoPlayerMode = 2;  // two players at one machine

// The one record of the game in progress. Flags and modes are small integers compared
// with fixed values: every test asks "== 1", anything else counts as the other case.
struct GameState {
    std::int32_t Position1 = 0;  // square of player 1's counter
    std::int32_t Position2 = 0;  // square of player 2's (in one-player mode Fred's) counter
    std::int32_t LastThrow = 0;  // the most recent throw; never read before the first one
    std::int32_t Turn = 0;       // whose throw comes next
    std::int32_t PlayMode = 0;
    std::uint8_t GameActive = 0;  // 1 while die clicks are accepted
};

}  // namespace brimblet
