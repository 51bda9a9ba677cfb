#pragma once

// The game's fixed texts. A message is a player's name joined directly to one of these:
// every blank, comma and stop between the name and the rest belongs to the text.
namespace brimblet::texts {

constexpr const char* kFredName = "Fred";
constexpr const char* kScored = " scored a : ";
constexpr const char* kTooHigh = ", i am sorry - your throw was too high!";
constexpr const char* kWins = " wins!! Congratulations!";
constexpr const char* kLadder = " goes up the ladder......";
constexpr const char* kString = " goes down the string :-(";
constexpr const char* kRestartHint = "Press one of the buttons for different players.";
constexpr const char* kStartHint = "To start the game click on the die!";
constexpr const char* kPositionSuffix = "s position:";
constexpr const char* kFredsPosition = "Freds position:";

}  // namespace brimblet::texts
