#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

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

}  // namespace picture_digest
