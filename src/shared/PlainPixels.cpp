#include "PlainPixels.h"

#include "PlainBitmap.h"

namespace brimblet {

namespace {

std::uint32_t Read32(const unsigned char* at) {
    return std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 | std::uint32_t(at[2]) << 16 |
           std::uint32_t(at[3]) << 24;
}

std::uint32_t Colour(unsigned char blue, unsigned char green, unsigned char red) {
    return std::uint32_t(red) << 16 | std::uint32_t(green) << 8 | blue;
}

}  // namespace

Pixels PlainPixels(const BitmapDescription& picture, const std::vector<unsigned char>& plain) {
    // The plain form's own header says how it stores the picture: its depth, and a palette
    // of 2^depth entries for 1, 4 and 8 bits.
    const unsigned char* info = plain.data() + kPlainInfoHeaderAt;
    const int depth = info[14] | info[15] << 8;
    const std::size_t stride = (std::size_t(picture.width) * std::size_t(depth) + 31) / 32 * 4;
    const unsigned char* rows = plain.data() + PlainPixelOffset(plain);
    const unsigned char* palette = info + Read32(info);

    Pixels pixels;
    pixels.width = picture.width;
    pixels.height = picture.height;
    pixels.rgb.resize(std::size_t(picture.width) * std::size_t(picture.height));
    std::uint32_t* out = pixels.rgb.data();
    for (int y = 0; y < picture.height; ++y) {
        const unsigned char* row = rows + std::size_t(y) * stride;
        for (int x = 0; x < picture.width; ++x) {
            if (depth <= 8) {
                const int perByte = 8 / depth;
                const unsigned shift = unsigned(8 - depth * (x % perByte + 1));
                const unsigned index = (row[x / perByte] >> shift) & ((1u << depth) - 1);
                *out++ = Read32(palette + 4 * index) & 0x00ffffffu;
            } else if (depth == 24) {
                const unsigned char* p = row + 3 * std::size_t(x);
                *out++ = Colour(p[0], p[1], p[2]);
            } else {
                const unsigned char* p = row + 4 * std::size_t(x);
                *out++ = Colour(p[0], p[1], p[2]);
            }
        }
    }
    return pixels;
}

Pixels DecodePicture(const unsigned char* bytes, std::size_t size) {
    const BitmapDescription picture = CheckBitmap(bytes, size);
    if (picture.Empty()) {
        return {};
    }
    return PlainPixels(picture, PlainBitmapFile(picture, bytes));
}

}  // namespace brimblet
