#include "BitmapCheck.h"

#include <cstdlib>

namespace brimblet {

namespace {

constexpr std::uint32_t kWindowsInfoHeaderSize = 40;

std::uint32_t Little32(const unsigned char* at) {
    return std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 | std::uint32_t(at[2]) << 16 |
           std::uint32_t(at[3]) << 24;
}

std::uint16_t Little16(const unsigned char* at) {
    return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}

}  // namespace

void FailCannotOpen(const std::string& fileName) {
    throw PictureError("Cannot open file " + fileName);
}

BitmapStart CheckBitmapStart(const unsigned char* bytes, std::size_t count) {
    if (count == 0) {
        return BitmapStart::Empty;
    }
    if (count < kBitmapFileHeaderSize) {
        throw PictureError("Stream read error");
    }
    if (bytes[0] != 'B' || bytes[1] != 'M') {
        throw PictureError("Bitmap image is not valid");
    }
    if (count >= kBitmapStartSize) {
        // Headers shorter than the Windows one are the old OS/2 header, with 16-bit sizes.
        // A negative height is a picture stored top-down.
        const unsigned char* info = bytes + kBitmapFileHeaderSize;
        std::int64_t width = 0;
        std::int64_t height = 0;
        if (Little32(info) >= kWindowsInfoHeaderSize) {
            width = static_cast<std::int32_t>(Little32(info + 4));
            height = static_cast<std::int32_t>(Little32(info + 8));
        } else {
            width = static_cast<std::int16_t>(Little16(info + 4));
            height = static_cast<std::int16_t>(Little16(info + 6));
        }
        CheckPictureSize(std::llabs(width), std::llabs(height));
    }
    return BitmapStart::Bitmap;
}

void CheckPictureSize(std::int64_t width, std::int64_t height) {
    if (width * height > kMaxBitmapPixels) {
        throw PictureError("Bitmap image is too large (" + std::to_string(width) + " x " +
                           std::to_string(height) + " pixels)");
    }
}

}  // namespace brimblet
