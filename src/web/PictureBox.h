#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <vector>

#include "DesignPictures.h"
#include "PlainPixels.h"

// A picture box: a canvas that shows its own off-screen bitmap. Drawing goes into the bitmap
// (an opaque, unscaled copy, clipped to it), and the canvas shows the bitmap from then on.
// The canvas holds as many pixels as the display shows it with, and each of them shows one
// pixel of the bitmap: at any scale the picture is sharp, each of its pixels a whole block of
// the display's. Only what a drawing changed is shown again. The design-time picture is
// decoded only when something shows through it: a first drawing that covers the whole bitmap
// (a picture loaded at start-up) makes it unneeded.
class PictureBox {
public:
    explicit PictureBox(emscripten::val canvas);

    // The design-time picture: the bitmap takes its size, and shows it until drawn over.
    void SetDesign(const DesignPicture& design);

    // Draws `bitmap` with its top-left corner at (x, y). A bitmap never created (nullptr) or
    // empty draws nothing.
    void Draw(const brimblet::Pixels* bitmap, int x, int y);

    // Shows the whole bitmap again at the size and pixel density the canvas now has.
    // `uncountedZoom` is the zoom around the canvas that the browser leaves out of the box it
    // reports for it (WebKit leaves it out, the others count it).
    void Fit(double uncountedZoom);

    const emscripten::val& Element() const { return canvas_; }

private:
    static constexpr int kTile = 32;  // bitmap pixels a side of the tiles shown again

    void ShowDesign();
    void MarkChanged(int column, int row);
    void ShowChanged();
    // The first canvas pixel, along one axis, that shows bitmap pixel `at` (of `size`).
    static int DeviceStart(int at, int size, int deviceSize) {
        return int((std::int64_t(at) * deviceSize + size - 1) / size);
    }

    emscripten::val canvas_;
    emscripten::val context_;
    DesignPicture design_{};
    bool designPending_ = false;  // not yet decoded, and not yet covered
    int width_ = 0;
    int height_ = 0;
    int deviceWidth_ = 0;  // the canvas's own pixels
    int deviceHeight_ = 0;
    std::vector<std::uint32_t> bitmap_;  // 0x00RRGGBB, top row first
    std::vector<bool> changed_;          // a flag per tile
    std::vector<std::uint8_t> rgba_;     // what is handed to the canvas
};
