#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "BitmapCheck.h"

// What a build made of one picture file, as one line that both builds must print alike:
//   "<file>: <width> x <height> <digest>"  decoded; the digest is FNV-1a over the 0x00RRGGBB
//                                          pixels, top row first, four bytes each
//   "<file>: empty"                        a 0-byte file
//   "<file>: refused: <text>"              the text the player would read
namespace picture_digest {

inline std::string Decoded(const std::string& file, int width, int height,
                           std::uint32_t (*pixel)(const void* picture, int x, int y),
                           const void* picture) {
    std::uint64_t hash = 14695981039346656037ull;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixel(picture, x, y) & 0x00ffffffu;
            for (int i = 0; i < 4; ++i) {
                hash = (hash ^ ((p >> (8 * i)) & 0xffu)) * 1099511628211ull;
            }
        }
    }
    char digest[17];
    std::snprintf(digest, sizeof digest, "%016llx", static_cast<unsigned long long>(hash));
    return file + ": " + std::to_string(width) + " x " + std::to_string(height) + " " + digest;
}

inline std::string Empty(const std::string& file) { return file + ": empty"; }

inline std::string Refused(const std::string& file, const std::string& text) {
    return file + ": refused: " + text;
}

// A build's digest program: prints the line of each file named on the command line, as
// `load(file)` reads it into a picture whose Width(), Height() and Pixel(x, y) tell it, or
// refuses it with brimblet::PictureError. Width() 0 is an empty bitmap.
template <typename Load> int Main(int argc, char** argv, Load load) {
    for (int i = 1; i < argc; ++i) {
        const std::string file = argv[i];
        std::string line;
        try {
            const auto picture = load(file);
            line = picture.Width() == 0
                       ? Empty(file)
                       : Decoded(
                             file, picture.Width(), picture.Height(),
                             [](const void* p, int x, int y) -> std::uint32_t {
                                 return static_cast<decltype(&picture)>(p)->Pixel(x, y);
                             },
                             &picture);
        } catch (const brimblet::PictureError& error) {
            line = Refused(file, error.what());
        }
        std::printf("%s\n", line.c_str());
    }
    return 0;
}

}  // namespace picture_digest
