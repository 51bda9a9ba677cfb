#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "Game.h"
#include "Presentation.h"
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

// Hands out the given times of day, one per reading, then keeps repeating the last.
class ScriptedClock : public UtcClock {
public:
    void Push(std::uint32_t millisecondsSinceMidnight) { readings_.push_back(millisecondsSinceMidnight); }
    void Set(std::uint32_t millisecondsSinceMidnight) {
        readings_.clear();
        Push(millisecondsSinceMidnight);
    }
    UtcTimeOfDay Now() const override {
        std::uint32_t ms = readings_.empty() ? 0 : readings_.front();
        if (readings_.size() > 1) {
            readings_.pop_front();
        }
        ++reads;
        UtcTimeOfDay t;
        t.wMilliseconds = static_cast<std::uint16_t>(ms % 1000);
        t.wSecond = static_cast<std::uint16_t>(ms / 1000 % 60);
        t.wMinute = static_cast<std::uint16_t>(ms / 60000 % 60);
        t.wHour = static_cast<std::uint16_t>(ms / 3600000);
        return t;
    }
    mutable int reads = 0;

private:
    mutable std::deque<std::uint32_t> readings_;
};

// Clock readings (ms since midnight) whose throw shows a known face, worked out by hand from
// the generator's definition: index v-1 gives face v.
constexpr std::uint32_t kDiceClockFor[6] = {0, 4, 15, 3, 2, 1};
constexpr std::uint32_t kFredClockFor[6] = {0, 4, 8, 5, 2, 1};

// A game with a recorder and a scripted clock, created as the main window creates it.
struct GameFixture {
    RecordingPresentation view;
    ScriptedClock clock;
    Game game{view, clock};

    GameFixture() { game.FormCreate(); }
    GameState& state() { return game.MutableState(); }
};

}  // namespace brimblet::testing
