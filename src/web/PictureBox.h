#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <vector>

#include "PlainPixels.h"

// A picture box: a canvas that shows its own off-screen bitmap. Drawing goes into the bitmap
// (an opaque, unscaled copy, clipped to it), and the canvas shows the bitmap from then on.
class PictureBox {
public:
    explicit PictureBox(emscripten::val canvas) : canvas_(std::move(canvas)) {}

    // The design-time picture: the bitmap becomes a copy of it, at its size.
    void SetPicture(const brimblet::Pixels& picture);

    // Draws `bitmap` with its top-left corner at (x, y). A bitmap never created (nullptr) or
    // empty draws nothing.
    void Draw(const brimblet::Pixels* bitmap, int x, int y);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // 0x00RRGGBB of the bitmap.
    std::uint32_t Pixel(int x, int y) const;

    const emscripten::val& Element() const { return canvas_; }

private:
    void Show();

    emscripten::val canvas_;
    emscripten::val image_ = emscripten::val::undefined();  // the canvas's ImageData
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> rgba_;  // the bitmap, as the canvas takes it
};
