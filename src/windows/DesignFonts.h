#pragma once

#include "Layout.h"

// The fonts the game's windows are designed with, by character height.
constexpr FontSpec kFormFont{L"MS Sans Serif", 11, false};
constexpr FontSpec kTitleFont{L"Comic Sans MS", 19, true};
constexpr FontSpec kTextFont{L"Comic Sans MS", 15, true};
constexpr FontSpec kCaptionFont{L"Comic Sans MS", 13, true};
constexpr FontSpec kButtonFont{L"Comic Sans MS", 13, false};
