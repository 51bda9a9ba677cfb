#pragma once

#include <cstdint>
#include <vector>

#include "BitmapCheck.h"

// The pixels of a picture in the plain form (PlainBitmap.h), for a front end whose toolkit
// has no BMP decoder of its own: the form is simple enough to read here, once, for all.
namespace brimblet {

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rgb;  // 0x00RRGGBB, top row first

    bool Empty() const { return width == 0; }
    std::uint32_t At(int x, int y) const {
        return rgb[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    }
};

// Decodes the plain file that PlainBitmapFile made of `picture`.
Pixels PlainPixels(const BitmapDescription& picture, const std::vector<unsigned char>& plain);

// Checks a whole file and decodes it: an empty Pixels for a 0-byte file, PictureError with
// the player's text for a bad one.
Pixels DecodePicture(const unsigned char* bytes, std::size_t size);

}  // namespace brimblet
