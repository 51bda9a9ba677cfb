#pragma once

#include <array>
#include <cstdint>

#include "GameState.h"

namespace brimblet {

// Where a counter's top-left corner goes on the board picture for each square. The steps
// are uneven on purpose: they follow the drawn board, and are taken exactly as they are.
struct SquarePoint {
    std::int32_t x;
    std::int32_t y;
};

namespace square_coords_detail {
constexpr std::array<std::int32_t, 9> kRowY{230, 202, 175, 148, 121,
                                            90,  63,  35,  5};  // bottom row first
constexpr std::array<std::int32_t, 9> kColumnX{5,   35,  60,  90, 120,
                                               145, 175, 200, 230};  // leftmost first

constexpr std::array<SquarePoint, kFinishSquare + 1> Make() {
    std::array<SquarePoint, kFinishSquare + 1> table{};
    for (std::int32_t n = 1; n <= kFinishSquare; ++n) {
        const std::size_t row = static_cast<std::size_t>((n - 1) / 9);
        const std::size_t place = static_cast<std::size_t>((n - 1) % 9);
        // Odd rows of the board (1, 3, ...) run left to right, even rows right to left.
        const std::size_t column = row % 2 == 0 ? place : 8 - place;
        table[static_cast<std::size_t>(n)] = {kColumnX[column], kRowY[row]};
    }
    return table;
}
}  // namespace square_coords_detail

// Indexed by square number 1..81; entry 0 is unused.
constexpr std::array<SquarePoint, kFinishSquare + 1> SquareCoords = square_coords_detail::Make();

}  // namespace brimblet
