#pragma once

#include <cstdint>

namespace brimblet {

// The four fields of the UTC time that the die throws are seeded from. The date is never read.
struct UtcTimeOfDay {
    std::uint16_t wHour = 0;          // 0..23
    std::uint16_t wMinute = 0;        // 0..59
    std::uint16_t wSecond = 0;        // 0..59
    std::uint16_t wMilliseconds = 0;  // 0..999
};

constexpr std::uint32_t kMillisecondsPerDay = 24u * 60 * 60 * 1000;

// The fields of a time of day given as milliseconds since midnight (taken modulo one day).
constexpr UtcTimeOfDay TimeOfDayFromMilliseconds(std::uint32_t ms) {
    ms %= kMillisecondsPerDay;
    UtcTimeOfDay t;
    t.wMilliseconds = static_cast<std::uint16_t>(ms % 1000);
    t.wSecond = static_cast<std::uint16_t>(ms / 1000 % 60);
    t.wMinute = static_cast<std::uint16_t>(ms / 60000 % 60);
    t.wHour = static_cast<std::uint16_t>(ms / 3600000);
    return t;
}

// Where the time of day comes from: the system clock in the program, a set value in tests.
class UtcClock {
public:
    virtual ~UtcClock() = default;
    virtual UtcTimeOfDay Now() const = 0;
};

class SystemUtcClock final : public UtcClock {
public:
    UtcTimeOfDay Now() const override;
};

}  // namespace brimblet
