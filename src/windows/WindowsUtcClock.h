#pragma once

#include "UtcClock.h"

// The system's UTC time of day, from GetSystemTime.
class WindowsUtcClock final : public brimblet::UtcClock {
public:
    brimblet::UtcTimeOfDay Now() const override;
};
