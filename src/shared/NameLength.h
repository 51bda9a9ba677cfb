#pragma once

#include <cstddef>
#include <string_view>

namespace brimblet {

// A name is at most 10 characters as the player sees them: "Zoë" is three, whether its ë is
// one code point or an e with its two dots, and so is a flag or a waving hand of any colour
// one. A box holds up to kNameBoxUnits of UTF-16, room for ten of the longest of these.
constexpr std::size_t kNameCharacters = 10;
constexpr std::size_t kNameBoxUnits = 10 * 8;

// The characters a player sees in a UTF-8 text: each letter with the marks, variation
// selectors and skin tones that follow it, letters joined by a zero-width joiner, and a
// pair of regional indicators (a flag) each count once. Bytes that are not UTF-8 count
// one each.
std::size_t VisibleCharacters(std::string_view utf8);

}  // namespace brimblet
