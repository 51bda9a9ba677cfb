#include "UtcClock.h"

#include <chrono>

namespace brimblet {

UtcTimeOfDay SystemUtcClock::Now() const {
    using namespace std::chrono;
    // system_clock counts UTC without leap seconds, so the remainder of a day is the time of day.
    const std::int64_t day = kMillisecondsPerDay;
    const std::int64_t sinceEpoch =
        duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    std::int64_t ms = sinceEpoch % day;
    if (ms < 0) {
        ms += day;  // a clock set before 1970
    }
    return TimeOfDayFromMilliseconds(static_cast<std::uint32_t>(ms));
}

}  // namespace brimblet
