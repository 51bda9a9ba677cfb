#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "GameState.h"
#include "NameLength.h"

namespace brimblet {

// A name window as the player left it: shown or not, where it was last placed (in the
// viewport's pixels; nowhere before its first showing), and the text of its name boxes.
struct NameWindowSession {
    bool Shown = false;
    bool Placed = false;
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::string Edit1;
    std::string Edit2;  // the two-player window's second box; empty in the one-player window's
};

// Everything the player saw of a game in a browser tab, kept for that tab alone so that a
// reload finds the game as it was. The die shows LastThrow's face once anything was thrown.
struct TabSession {
    GameState State;
    bool BoardDrawn = false;  // the board and counters drawn since the pictures loaded
    std::string Label2;
    std::string Label3;
    std::string Log;
    NameWindowSession OnePlayer;
    NameWindowSession TwoPlayers;
    std::int32_t FrontWindow = 0;  // the play mode of the name window in front, 0 for none yet
};

constexpr std::size_t kMaxLabelBytes = 256;
constexpr std::size_t kMaxLogBytes = 1 << 20;
constexpr std::int32_t kMaxWindowOffset = 100000;  // far beyond any screen; placement clamps

// The entry as the tab keeps it: plain text, every string with its length in bytes.
std::string EncodeTabSession(const TabSession& session);

// The entry read back, checked whole: its format and version, every field in its range, every
// text valid UTF-8 of its length, nothing before or after. Anything else (an entry cut
// short, edited by hand, or written by a build with another format) gives no session.
std::optional<TabSession> DecodeTabSession(std::string_view entry);

}  // namespace brimblet
