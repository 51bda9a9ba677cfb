#pragma once

#include <cstdint>
#include <string>

namespace brimblet {

// The name boxes of the two name dialogs; the rules choose one by PlayMode and player.
enum class NameBox {
    OnePlayerName,    // one-player dialog, its only box
    TwoPlayerFirst,   // two-player dialog, player 1's box
    TwoPlayerSecond,  // two-player dialog, player 2's box
};

// Everything the rules ask of the windows. The rules hold no widget; the main window
// implements this over its controls, and the rule tests with a recorder.
// Texts are UTF-8.
class Presentation {
public:
    virtual ~Presentation() = default;

    // The message log.
    virtual void ReplaceLog(const std::string& text) = 0;
    virtual void AppendLogLine(const std::string& text) = 0;
    virtual void ClearLog() = 0;

    // Board, both counters at their squares (player 2's on top) and the two read-outs.
    virtual void DrawCounters1(std::int32_t position1, std::int32_t position2) = 0;

    // Die face 1..6 in the die picture.
    virtual void ShowDieFace(std::int32_t value) = 0;

    // The current text of a name box, read at the moment a message is built.
    virtual std::string NameBoxText(NameBox box) const = 0;

    // Shows the name dialog of a play mode without waiting for it.
    virtual void ShowNameDialog(std::int32_t playMode) = 0;
};

}  // namespace brimblet
