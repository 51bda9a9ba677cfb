#pragma once

#include <windows.h>

// The display scale. Every design is in pixels at 96 dots per inch; a window on a display of
// another DPI multiplies each position, size and font height by DPI/96. The program declares
// itself aware of each monitor's DPI (its manifest), so Windows scales nothing for it.
// The calls that name a window's DPI came with Windows 10; on Windows 7 and 8 every window
// has the system's.

constexpr int kDesignDpi = 96;

// A design length at this DPI.
inline int Scaled(int designPixels, int dpi) { return MulDiv(designPixels, dpi, kDesignDpi); }

// The DPI of the display a window is on; with no window, the system's.
int WindowDpi(HWND window);

// The outer size of a window whose client area is this large, with the frame this DPI draws.
SIZE OuterSizeAtDpi(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi);
