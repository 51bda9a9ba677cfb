#include "PictureBox.h"

#include <algorithm>
#include <cmath>

using emscripten::val;

PictureBox::PictureBox(val canvas)
    : canvas_(std::move(canvas)), context_(canvas_.call<val>("getContext", std::string("2d"))) {}

void PictureBox::SetDesign(const DesignPicture& design) {
    design_ = design;
    designPending_ = true;
    width_ = design.width;
    height_ = design.height;
    bitmap_.assign(std::size_t(width_) * std::size_t(height_), 0);
    changed_.assign(std::size_t((width_ + kTile - 1) / kTile * ((height_ + kTile - 1) / kTile)),
                    true);
}

void PictureBox::ShowDesign() {
    designPending_ = false;
    bitmap_ = brimblet::DecodePicture(design_.bytes, design_.size).rgb;
    std::fill(changed_.begin(), changed_.end(), true);
}

void PictureBox::Draw(const brimblet::Pixels* bitmap, int x, int y) {
    if (bitmap == nullptr || bitmap->Empty()) {
        return;
    }
    if (designPending_) {
        const bool covers =
            x <= 0 && y <= 0 && x + bitmap->width >= width_ && y + bitmap->height >= height_;
        if (covers) {
            designPending_ = false;
        } else {
            ShowDesign();
        }
    }
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + bitmap->width, width_);
    const int bottom = std::min(y + bitmap->height, height_);
    for (int row = top; row < bottom; ++row) {
        std::uint32_t* to = bitmap_.data() + std::size_t(row) * std::size_t(width_);
        for (int column = left; column < right; ++column) {
            const std::uint32_t p = bitmap->At(column - x, row - y);
            if (to[column] != p) {
                to[column] = p;
                MarkChanged(column, row);
            }
        }
    }
    ShowChanged();
}

void PictureBox::MarkChanged(int column, int row) {
    const int tilesAcross = (width_ + kTile - 1) / kTile;
    changed_[std::size_t(row / kTile * tilesAcross + column / kTile)] = true;
}

void PictureBox::Fit(double uncountedZoom) {
    if (width_ == 0) {
        return;
    }
    if (designPending_) {
        ShowDesign();
    }
    // The canvas as the display shows it, its edges on whole pixels of the display. Until it
    // is shown, nothing is handed to it.
    val box = canvas_.call<val>("getBoundingClientRect");
    const double ratio = val::global("devicePixelRatio").as<double>() * uncountedZoom;
    const auto onDisplay = [&](const char* edge) {
        return int(std::lround(box[edge].as<double>() * ratio));
    };
    const int shownWidth = onDisplay("right") - onDisplay("left");
    const int shownHeight = onDisplay("bottom") - onDisplay("top");
    if (shownWidth <= 0 || shownHeight <= 0) {
        return;
    }
    deviceWidth_ = shownWidth;
    deviceHeight_ = shownHeight;
    canvas_.set("width", deviceWidth_);
    canvas_.set("height", deviceHeight_);
    std::fill(changed_.begin(), changed_.end(), true);
    ShowChanged();
}

// Each changed tile, scaled to the canvas: a canvas pixel shows the bitmap pixel it lies in.
void PictureBox::ShowChanged() {
    if (deviceWidth_ == 0) {
        return;  // not shown yet: Fit shows it all
    }
    // Most of the picture changed (a new size, a first showing): all of it in one piece.
    const bool whole =
        std::count(changed_.begin(), changed_.end(), true) * 2 > std::ptrdiff_t(changed_.size());
    const int tilesAcross = (width_ + kTile - 1) / kTile;
    for (std::size_t tile = 0; tile < changed_.size(); ++tile) {
        if (!changed_[tile]) {
            continue;
        }
        std::fill(changed_.begin(), whole ? changed_.end() : changed_.begin(), false);
        changed_[tile] = false;
        const int left = whole ? 0 : int(tile) % tilesAcross * kTile;
        const int top = whole ? 0 : int(tile) / tilesAcross * kTile;
        const int right = whole ? width_ : std::min(left + kTile, width_);
        const int bottom = whole ? height_ : std::min(top + kTile, height_);
        const int x0 = DeviceStart(left, width_, deviceWidth_);
        const int x1 = DeviceStart(right, width_, deviceWidth_);
        const int y0 = DeviceStart(top, height_, deviceHeight_);
        const int y1 = DeviceStart(bottom, height_, deviceHeight_);
        if (x1 <= x0 || y1 <= y0) {
            continue;
        }
        rgba_.resize(std::size_t(x1 - x0) * std::size_t(y1 - y0) * 4);
        std::uint8_t* out = rgba_.data();
        for (int y = y0; y < y1; ++y) {
            const std::uint32_t* row =
                bitmap_.data() +
                std::size_t(std::int64_t(y) * height_ / deviceHeight_) * std::size_t(width_);
            for (int x = x0; x < x1; ++x, out += 4) {
                const std::uint32_t p = row[std::int64_t(x) * width_ / deviceWidth_];
                out[0] = std::uint8_t(p >> 16);
                out[1] = std::uint8_t(p >> 8);
                out[2] = std::uint8_t(p);
                out[3] = 0xff;
            }
        }
        val pixels = val::global("Uint8ClampedArray")
                         .new_(val(emscripten::typed_memory_view(rgba_.size(), rgba_.data())));
        val image = val::global("ImageData").new_(pixels, x1 - x0, y1 - y0);
        context_.call<void>("putImageData", image, x0, y0);
    }
}
