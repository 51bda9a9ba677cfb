#include "WindowsUtcClock.h"

#include <windows.h>

brimblet::UtcTimeOfDay WindowsUtcClock::Now() const {
    SYSTEMTIME now{};
    GetSystemTime(&now);
    brimblet::UtcTimeOfDay t;
    t.wHour = now.wHour;
    t.wMinute = now.wMinute;
    t.wSecond = now.wSecond;
    t.wMilliseconds = now.wMilliseconds;
    return t;
}
