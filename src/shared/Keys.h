#pragma once

// The game's one key of its own: it throws the die, as a click on the die does, while the main
// window is the active window. Its letter is also what screen readers report as the die's
// keyboard shortcut.
namespace brimblet {

constexpr char kThrowDieKey = 'T';
constexpr const char* kThrowDieKeyName = "T";

}  // namespace brimblet
