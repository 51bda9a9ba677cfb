#pragma once

// Resources built into brimblet.exe (brimblet.rc). The icon is the named resource "MAINICON".
#define IDR_BOARD_PICTURE 201     // the board without counters
#define IDR_DIE_PICTURE 202       // die face one
#define IDR_COUNTER1_PICTURE 203  // player 1's counter icon
#define IDR_COUNTER2_PICTURE 204  // player 2's counter icon
