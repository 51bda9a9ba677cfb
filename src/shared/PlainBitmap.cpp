#include "PlainBitmap.h"

#include <algorithm>
#include <cstring>

namespace brimblet {

namespace {

constexpr std::size_t kInfoHeaderSize = 40;

void Put32(unsigned char* at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        at[i] = static_cast<unsigned char>(v >> (8 * i));
    }
}

void Put16(unsigned char* at, std::uint32_t v) {
    at[0] = static_cast<unsigned char>(v);
    at[1] = static_cast<unsigned char>(v >> 8);
}

std::uint32_t StoredPixel(const unsigned char* at, int bitsPerPixel) {
    return bitsPerPixel == 16 ? std::uint32_t(at[0] | at[1] << 8)
                              : std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 |
                                    std::uint32_t(at[2]) << 16 | std::uint32_t(at[3]) << 24;
}

// Where one colour lies in a pixel: its mask, the lowest bit of it and how many bits it has.
// Worked out once a picture, not once a pixel.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
};

Channel ChannelOf(std::uint32_t mask) {
    Channel channel{mask, 0, 0};
    for (std::uint32_t m = mask; m != 0 && (m & 1u) == 0; m >>= 1) {
        ++channel.shift;
    }
    for (std::uint32_t m = mask; m != 0; m &= m - 1) {
        ++channel.bits;
    }
    return channel;
}

std::uint32_t Widen(const Channel& channel, std::uint32_t pixel) {
    if (channel.bits == 0) {
        return 0;
    }
    const std::uint32_t value = (pixel & channel.mask) >> channel.shift;
    if (channel.bits >= 8) {
        return value >> (channel.bits - 8);
    }
    std::uint32_t out = 0;
    int filled = 0;
    while (filled < 8) {
        out = out << channel.bits | value;
        filled += channel.bits;
    }
    return out >> (filled - 8);
}

}  // namespace

std::uint32_t WidenChannel(std::uint32_t pixel, std::uint32_t mask) {
    return Widen(ChannelOf(mask), pixel);
}

std::vector<unsigned char> PlainBitmapFile(const BitmapDescription& picture,
                                           const unsigned char* bytes) {
    const bool indices = picture.bitsPerPixel <= 8 && picture.coding == BitmapCoding::Plain;
    const int depth = indices ? picture.bitsPerPixel : picture.bitsPerPixel == 24 ? 24 : 32;
    const std::size_t paletteEntries = indices ? (std::size_t(1) << depth) : 0;
    const std::size_t stride = (std::size_t(picture.width) * std::size_t(depth) + 31) / 32 * 4;
    const std::size_t rows = std::size_t(picture.height);
    const std::size_t pixelsAt = kBitmapFileHeaderSize + kInfoHeaderSize + paletteEntries * 4;

    std::vector<unsigned char> plain(pixelsAt + stride * rows, 0);
    unsigned char* out = plain.data();
    out[0] = 'B';
    out[1] = 'M';
    Put32(out + 2, std::uint32_t(plain.size()));
    Put32(out + 10, std::uint32_t(pixelsAt));
    unsigned char* info = out + kPlainInfoHeaderAt;
    Put32(info, kInfoHeaderSize);
    Put32(info + 4, std::uint32_t(picture.width));
    Put32(info + 8, std::uint32_t(-picture.height));  // top row first
    Put16(info + 12, 1);
    Put16(info + 14, std::uint32_t(depth));
    Put32(info + 20, std::uint32_t(stride * rows));
    Put32(info + 32, std::uint32_t(paletteEntries));
    for (std::size_t i = 0; i < picture.palette.size() && i < paletteEntries; ++i) {
        Put32(info + kInfoHeaderSize + 4 * i, picture.palette[i]);
    }

    unsigned char* pixels = out + pixelsAt;
    const unsigned char* stored = bytes + picture.pixelOffset;
    auto storedRow = [&](std::size_t y) {
        return stored + picture.stride * (picture.topDown ? y : rows - 1 - y);
    };
    if (picture.coding == BitmapCoding::Rle8 || picture.coding == BitmapCoding::Rle4) {
        ReadRuns(picture, bytes, [&](int x, int y, unsigned index) {
            const std::uint32_t colour =
                index < picture.palette.size() ? picture.palette[index] : 0;
            Put32(pixels + std::size_t(y) * stride + std::size_t(x) * 4, colour);
        });
    } else if (depth == 32) {
        const std::size_t size = std::size_t(picture.bitsPerPixel / 8);
        const Channel red = ChannelOf(picture.masks[0]);
        const Channel green = ChannelOf(picture.masks[1]);
        const Channel blue = ChannelOf(picture.masks[2]);
        for (std::size_t y = 0; y < rows; ++y) {
            const unsigned char* from = storedRow(y);
            unsigned char* to = pixels + y * stride;
            for (int x = 0; x < picture.width; ++x, from += size, to += 4) {
                const std::uint32_t p = StoredPixel(from, picture.bitsPerPixel);
                to[0] = static_cast<unsigned char>(Widen(blue, p));
                to[1] = static_cast<unsigned char>(Widen(green, p));
                to[2] = static_cast<unsigned char>(Widen(red, p));
            }
        }
    } else {
        for (std::size_t y = 0; y < rows; ++y) {
            std::memcpy(pixels + y * stride, storedRow(y), stride);
        }
    }
    return plain;
}

std::size_t PlainPixelOffset(const std::vector<unsigned char>& plain) {
    return std::size_t(plain[10]) | std::size_t(plain[11]) << 8 | std::size_t(plain[12]) << 16 |
           std::size_t(plain[13]) << 24;
}

}  // namespace brimblet
