#include "UtcClock.h"

#include <chrono>

namespace brimblet {

UtcTimeOfDay SystemUtcClock::Now() const {
    using namespace std::chrono;
    // system_clock counts UTC without leap seconds, so the remainder of a day is the time of day.
    constexpr std::int64_t kMillisecondsPerDay = 24LL * 60 * 60 * 1000;
    const std::int64_t sinceEpoch =
        duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    std::int64_t ms = sinceEpoch % kMillisecondsPerDay;
    if (ms < 0) {
        ms += kMillisecondsPerDay; // a clock set before 1970
    }
    UtcTimeOfDay t;
    t.wMilliseconds = static_cast<std::uint16_t>(ms % 1000);
    t.wSecond = static_cast<std::uint16_t>(ms / 1000 % 60);
    t.wMinute = static_cast<std::uint16_t>(ms / 60000 % 60);
    t.wHour = static_cast<std::uint16_t>(ms / 3600000);
    return t;
}

} // namespace brimblet
