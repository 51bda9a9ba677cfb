#pragma once

#include <windows.h>

#include <cstdint>

#include "Bitmap.h"

constexpr const wchar_t* kPictureBoxClass = L"BrimbletPictureBox";

// What a picture box is created with (the lpParam of CreateWindowEx).
struct PictureBoxSpec {
    int picture;          // resource id of the design-time picture
    bool centred;         // the picture centred in the box, else at its top-left corner
    bool autoSize;        // the box takes the picture's size
    int dpi;              // the display's: the picture is shown at DPI/96 of its size
    COLORREF background;  // what shows around a picture smaller than the box: its form's
};

// A picture box: it owns an off-screen bitmap (a DIB section the size of its design-time
// picture) that drawing goes into and that every repaint shows. Drawing is an opaque,
// unscaled copy at a pixel position, clipped to the bitmap; only its showing is scaled to the
// display (each pixel a 2 x 2 block at 192 dots per inch). The design-time picture is
// decoded only when something shows through it: a first drawing that covers the whole bitmap
// (a picture loaded at start-up) makes it unneeded. A click (button down and up inside) is
// sent to the parent as WM_COMMAND with BN_CLICKED.
class PictureBox {
public:
    static void Register(HINSTANCE instance);
    static PictureBox* FromWindow(HWND window);

    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;

    // Copies `bitmap` in with its top-left corner at (x, y). An empty or never-created
    // bitmap draws nothing.
    void Draw(const Bitmap* bitmap, int x, int y);
    // Shows the bitmap at another display's scale; a box that takes its picture's size
    // takes it at that scale.
    void SetDpi(int dpi);

    int SurfaceWidth() const { return width_; }
    int SurfaceHeight() const { return height_; }
    std::uint32_t SurfacePixel(int x, int y) const;  // 0x00RRGGBB

private:
    PictureBox(HWND window, const PictureBoxSpec& design);
    ~PictureBox();
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    POINT Origin() const;
    int Shown(int bitmapPixels) const;  // a length of the bitmap as shown
    // Copies the clipped part of `bitmap` in; returns that part, empty when none.
    RECT CopyIn(const Bitmap& bitmap, int x, int y) const;
    // Puts the design-time picture in, if nothing has covered it yet.
    void ShowDesign() const;

    HWND window_;
    HBITMAP surface_ = nullptr;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    bool centred_ = false;
    bool autoSize_ = false;
    int dpi_;
    COLORREF background_;
    bool pressed_ = false;
    int design_;                         // resource id of the design-time picture
    mutable bool designPending_ = true;  // not yet decoded, and not yet covered
};
