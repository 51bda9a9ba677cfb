#pragma once

#include <cstdint>
#include <string>

#include "Catalogue.h"

namespace brimblet {

// What a screen reader says of the board after every move.
inline std::string BoardDescription(const Catalogue& texts, std::int32_t position1, std::int32_t position2) {
    return texts.Fill(N_("Green counter on square {first}, magenta counter on square {second}"),
                      {{"first", std::to_string(position1)}, {"second", std::to_string(position2)}});
}

}  // namespace brimblet
