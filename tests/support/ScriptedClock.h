#pragma once

#include <cstdint>
#include <deque>

#include "UtcClock.h"

namespace brimblet::testing {

// Hands out the given times of day, one per reading, then keeps repeating the last.
class ScriptedClock : public UtcClock {
public:
    void Push(std::uint32_t millisecondsSinceMidnight) {
        readings_.push_back(millisecondsSinceMidnight);
    }
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
        return TimeOfDayFromMilliseconds(ms);
    }
    mutable int reads = 0;

private:
    mutable std::deque<std::uint32_t> readings_;
};

// Clock readings (ms since midnight) whose throw shows a known face, worked out by hand from
// the generator's definition: index v-1 gives face v.
constexpr std::uint32_t kDiceClockFor[6] = {0, 4, 15, 3, 2, 1};
constexpr std::uint32_t kFredClockFor[6] = {0, 4, 8, 5, 2, 1};

}  // namespace brimblet::testing
