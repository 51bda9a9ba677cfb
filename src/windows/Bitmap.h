#pragma once

#include <cstdint>
#include <vector>

// A picture as 32-bit pixels (0x00RRGGBB), top row first. Default-constructed it is an empty
// bitmap, which draws nothing.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool Empty() const { return pixels.empty(); }
    std::uint32_t Pixel(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};
