#pragma once

#include <cstdint>

#include "GameState.h"

namespace brimblet {

// The name dialog a play mode shows: the two-player dialog for two players, the one-player
// dialog otherwise.
template <typename Dialog>
Dialog* NameDialogOf(std::int32_t playMode, Dialog* onePlayer, Dialog* twoPlayers) {
    return playMode == kTwoPlayerMode ? twoPlayers : onePlayer;
}

}  // namespace brimblet
