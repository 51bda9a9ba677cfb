#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Catalogue.h"

// The checks every picture file passes before it is decoded, and the texts the player sees
// when one fails. A file that passes is described plainly enough for any decoder to read
// without looking outside the file's bytes (BitmapDescription).
namespace brimblet {

// A missing or bad picture file; what() is the text of the report in English.
class PictureError : public std::runtime_error {
public:
    // `english` is a text marked for the catalogue, its places filled from `values`.
    explicit PictureError(const char* english, std::initializer_list<TemplateValue> values = {});

    // The report's text in the player's language.
    std::string Text(const Catalogue& catalogue) const;

private:
    const char* english_;
    std::vector<std::pair<std::string, std::string>> values_;
};

// The bitmap file header; a file shorter than this cannot be a bitmap.
constexpr std::size_t kBitmapFileHeaderSize = 14;
// How much of a file's start CheckBitmapStart wants: the file header and the part of either
// info header (Windows or OS/2) that declares the picture's size.
constexpr std::size_t kBitmapStartSize = kBitmapFileHeaderSize + 12;
// The most pixels a picture may declare: far above any of ours, far below exhausting memory.
constexpr std::int64_t kMaxBitmapPixels = 4096 * 4096;
// The most bytes of a file that are read: the largest picture at 32 bits a pixel, with its
// headers and palette. What lies beyond cannot belong to a picture we accept.
constexpr std::size_t kMaxBitmapFileBytes = std::size_t(kMaxBitmapPixels) * 4 + (1 << 20);

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

enum class BitmapCoding {
    Plain,      // rows of palette indices or colours, as the depth says
    Rle8,       // runs of 8-bit palette indices
    Rle4,       // runs of 4-bit palette indices
    BitFields,  // 16- or 32-bit pixels whose colours lie under three masks
};

// A picture file that passed every check, as a decoder may read it. The spans lie inside
// the file's bytes; the palette and masks are copied out of them.
struct BitmapDescription {
    int width = 0;   // 0 for an empty bitmap (a 0-byte file)
    int height = 0;  // rows, always positive
    bool topDown = false;
    int bitsPerPixel = 0;  // 1, 4, 8, 16, 24 or 32
    BitmapCoding coding = BitmapCoding::Plain;
    // Red, green and blue: for 16- and 32-bit pictures, the file's or the usual ones. Each
    // is one unbroken run of bits within the pixel.
    std::array<std::uint32_t, 3> masks{};
    // 0x00RRGGBB, as many entries as the file declares: at most 2^bitsPerPixel.
    std::vector<std::uint32_t> palette;
    std::size_t pixelOffset = 0;  // where the pixel data starts in the file
    std::size_t pixelLength = 0;  // how many bytes of it a decoder reads
    std::size_t stride = 0;       // bytes of one stored row, for Plain and BitFields

    bool Empty() const { return width == 0; }
};

// Checks a whole file and describes it. A 0-byte file is an empty bitmap. Throws
// PictureError as CheckBitmapStart does, and "Bitmap image is damaged: <what>" for a file
// that cannot be decoded whole: an unknown header, depth or compression, a palette or masks
// out of range or cut short, pixel data outside the file or cut short, run-length data that
// leaves the picture or has no end mark.
BitmapDescription CheckBitmap(const unsigned char* bytes, std::size_t size);

// Walks the run-length data of a description, calling put(x, y, index) for each pixel a run
// sets, with y counted from the top row. Pixels the runs skip are not set. Throws "Bitmap
// image is damaged" as CheckBitmap does, which walks them once for every description it gives.
using RunPixel = std::function<void(int x, int y, unsigned index)>;
// `used`, when given, receives how many bytes of run-length data the walk read.
void ReadRuns(const BitmapDescription& picture, const unsigned char* bytes, const RunPixel& put,
              std::size_t* used = nullptr);

}  // namespace brimblet
