#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

// The checks every picture file passes before it is decoded, and the texts the player sees
// when one fails. Decoding itself is the toolkit's.
namespace brimblet {

// A missing or bad picture file; what() is the text of the report.
class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The bitmap file header; a file shorter than this cannot be a bitmap.
constexpr std::size_t kBitmapFileHeaderSize = 14;
// How much of a file's start CheckBitmapStart wants: the file header and the part of either
// info header (Windows or OS/2) that declares the picture's size.
constexpr std::size_t kBitmapStartSize = kBitmapFileHeaderSize + 12;
// The most pixels a picture may declare: far above any of ours, far below exhausting memory.
constexpr std::int64_t kMaxBitmapPixels = 4096 * 4096;

// "Cannot open file <name>", thrown when a file is missing, unreadable or held open by
// another program.
[[noreturn]] void FailCannotOpen(const std::string& fileName);

enum class BitmapStart {
    Empty,   // a 0-byte file: an empty bitmap, drawn as nothing
    Bitmap,  // worth decoding
};

// Checks the first `count` bytes of a file: up to kBitmapStartSize of them, fewer only when
// the file is shorter. Throws PictureError "Stream read error" for a file shorter than the
// file header, "Bitmap image is not valid" for one that does not begin with "BM", and
// "Bitmap image is too large (W x H pixels)" for one that declares more than
// kMaxBitmapPixels, before any memory is set aside for it.
BitmapStart CheckBitmapStart(const unsigned char* bytes, std::size_t count);

// The same limit on a picture's size as decoded.
void CheckPictureSize(std::int64_t width, std::int64_t height);

}  // namespace brimblet
