#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace brimblet {

enum class JumpKind { Ladder, String };

struct BoardJump {
    std::int32_t From;
    std::int32_t To;
    JumpKind Kind;
};

// The ten jumps of the board, in the order a landing square is tested against them.
// No square appears twice and no destination is itself a From square, so a throw makes
// at most one jump.
constexpr std::array<BoardJump, 10> BoardJumps{{
    {2, 40, JumpKind::Ladder},
    {13, 30, JumpKind::Ladder},
    {42, 76, JumpKind::Ladder},
    {44, 63, JumpKind::Ladder},
    {53, 72, JumpKind::Ladder},
    {79, 51, JumpKind::String},
    {70, 38, JumpKind::String},
    {61, 28, JumpKind::String},
    {37, 20, JumpKind::String},
    {23, 8, JumpKind::String},
}};

// The first jump whose From square is `square`, in table order.
constexpr std::optional<BoardJump> FindJump(std::int32_t square) {
    for (const BoardJump& jump : BoardJumps) {
        if (jump.From == square) {
            return jump;
        }
    }
    return std::nullopt;
}

}  // namespace brimblet
