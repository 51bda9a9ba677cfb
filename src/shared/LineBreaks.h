#pragma once

namespace brimblet {

// Chinese and Japanese are written with no spaces: a line of them may end between any two
// characters, but never so that the next line starts with a closing mark ("。", "、", "」", a
// small kana) or the last ends with an opening one ("「", "（"). Elsewhere a line ends after a
// space, as in the languages written with spaces.
bool MayBreakBetween(char32_t before, char32_t after);

}  // namespace brimblet
