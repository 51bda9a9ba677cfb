#pragma once

#include "PlainPixels.h"

// The pictures the main window is designed with, built into the program: the board without
// counters, the die's face one, and the two counter icons beside the read-outs.
enum class DesignPictureId { Board, Die, Counter1, Counter2 };

brimblet::Pixels DesignPicture(DesignPictureId id);
