#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "Game.h"
#include "Presentation.h"
#include "ScriptedClock.h"
#include "UtcClock.h"

namespace brimblet::testing {

// Keeps every call the rules make, in order, and the log as lines.
class RecordingPresentation : public Presentation {
public:
    void ReplaceLog(const std::string& text) override {
        calls.push_back("replace " + text);
        log = {text};
    }
    void AppendLogLine(const std::string& text) override {
        calls.push_back("append " + text);
        log.push_back(text);
    }
    void ClearLog() override {
        calls.push_back("clear");
        log.clear();
    }
    void DrawCounters1(std::int32_t position1, std::int32_t position2) override {
        calls.push_back("draw " + std::to_string(position1) + " " + std::to_string(position2));
    }
    void ShowDieFace(std::int32_t value) override {
        calls.push_back("face " + std::to_string(value));
    }
    std::string NameBoxText(NameBox box) const override {
        ++nameReads;
        return names.at(box);
    }
    void ShowNameDialog(std::int32_t playMode) override {
        calls.push_back("dialog " + std::to_string(playMode));
    }

    std::vector<std::string> calls;
    std::vector<std::string> log;
    std::map<NameBox, std::string> names{{NameBox::OnePlayerName, "Player1"},
                                         {NameBox::TwoPlayerFirst, "Player1"},
                                         {NameBox::TwoPlayerSecond, "Player2"}};
    mutable int nameReads = 0;
};

// A game with a recorder and a scripted clock, created as the main window creates it.
struct GameFixture {
    RecordingPresentation view;
    ScriptedClock clock;
    Game game{view, clock};

    GameFixture() { game.FormCreate(); }
    GameState& state() { return game.MutableState(); }
};

}  // namespace brimblet::testing
