#include "PictureBox.h"

#include <algorithm>

void PictureBox::SetPicture(const brimblet::Pixels& picture) {
    width_ = picture.width;
    height_ = picture.height;
    rgba_.assign(std::size_t(width_) * std::size_t(height_) * 4, 0xff);
    canvas_.set("width", width_);
    canvas_.set("height", height_);
    image_ = canvas_.call<emscripten::val>("getContext", std::string("2d"))
                 .call<emscripten::val>("createImageData", width_, height_);
    Draw(&picture, 0, 0);
}

void PictureBox::Draw(const brimblet::Pixels* bitmap, int x, int y) {
    if (bitmap == nullptr || bitmap->Empty()) {
        return;
    }
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + bitmap->width, width_);
    const int bottom = std::min(y + bitmap->height, height_);
    for (int row = top; row < bottom; ++row) {
        std::uint8_t* to = rgba_.data() + (std::size_t(row) * std::size_t(width_) + left) * 4;
        for (int column = left; column < right; ++column, to += 4) {
            const std::uint32_t p = bitmap->At(column - x, row - y);
            to[0] = std::uint8_t(p >> 16);
            to[1] = std::uint8_t(p >> 8);
            to[2] = std::uint8_t(p);
        }
    }
    if (left < right && top < bottom) {
        Show();
    }
}

std::uint32_t PictureBox::Pixel(int x, int y) const {
    const std::uint8_t* p = rgba_.data() + (std::size_t(y) * std::size_t(width_) + x) * 4;
    return std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2];
}

void PictureBox::Show() {
    image_["data"].call<void>(
        "set", emscripten::val(emscripten::typed_memory_view(rgba_.size(), rgba_.data())));
    canvas_.call<emscripten::val>("getContext", std::string("2d"))
        .call<void>("putImageData", image_, 0, 0);
}
