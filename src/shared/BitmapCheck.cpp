#include "BitmapCheck.h"

#include <algorithm>
#include <cstdlib>

namespace brimblet {

namespace {

constexpr std::uint32_t kCoreHeaderSize = 12;  // the old OS/2 header
constexpr std::uint32_t kInfoHeaderSize = 40;  // the Windows info header; V2 to V5 extend it
constexpr std::size_t kPixelOffsetAt = 10;     // in the file header

// The compressions a file may declare.
constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitFields = 3;

std::uint32_t Little32(const unsigned char* at) {
    return std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 | std::uint32_t(at[2]) << 16 |
           std::uint32_t(at[3]) << 24;
}

std::uint16_t Little16(const unsigned char* at) {
    return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}

// `english` is one whole sentence, "Bitmap image is damaged: " and what is wrong.
[[noreturn]] void Damaged(const char* english, std::initializer_list<TemplateValue> values = {}) {
    throw PictureError(english, values);
}

bool KnownHeaderSize(std::uint32_t size) {
    return size == kCoreHeaderSize || size == kInfoHeaderSize || size == 52 || size == 56 ||
           size == 108 || size == 124;
}

// A mask a colour can be read through: one unbroken run of bits inside the pixel.
bool UsableMask(std::uint32_t mask, int bitsPerPixel) {
    if (mask == 0 || (bitsPerPixel < 32 && (mask >> bitsPerPixel) != 0)) {
        return false;
    }
    const std::uint32_t low = mask & (~mask + 1);  // its lowest bit
    const std::uint32_t run = mask + low;          // 0, or the bit just above an unbroken run
    return (run & mask) == 0;
}

bool Paletted(int bitsPerPixel) { return bitsPerPixel <= 8; }

}  // namespace

PictureError::PictureError(const char* english, std::initializer_list<TemplateValue> values)
    : std::runtime_error(FillTemplate(english, values)), english_(english) {
    for (const TemplateValue& value : values) {
        values_.emplace_back(value.first, value.second);
    }
}

std::string PictureError::Text(const Catalogue& catalogue) const {
    std::vector<TemplateValue> values(values_.begin(), values_.end());
    return FillTemplate(catalogue.Text(english_), values.data(), values.size());
}

void FailCannotOpen(const std::string& fileName) {
    throw PictureError(N_("Cannot open file {file}"), {{"file", fileName}});
}

BitmapStart CheckBitmapStart(const unsigned char* bytes, std::size_t count) {
    if (count == 0) {
        return BitmapStart::Empty;
    }
    if (count < kBitmapFileHeaderSize) {
        throw PictureError(N_("Stream read error"));
    }
    if (bytes[0] != 'B' || bytes[1] != 'M') {
        throw PictureError(N_("Bitmap image is not valid"));
    }
    if (count >= kBitmapStartSize) {
        // Headers shorter than the Windows one are the old OS/2 header, with 16-bit sizes.
        // A negative height is a picture stored top-down.
        const unsigned char* info = bytes + kBitmapFileHeaderSize;
        std::int64_t width = 0;
        std::int64_t height = 0;
        if (Little32(info) >= kInfoHeaderSize) {
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
        throw PictureError(N_("Bitmap image is too large ({width} x {height} pixels)"),
                           {{"width", std::to_string(width)}, {"height", std::to_string(height)}});
    }
}

BitmapDescription CheckBitmap(const unsigned char* bytes, std::size_t size) {
    BitmapDescription picture;
    if (CheckBitmapStart(bytes, std::min(size, kBitmapStartSize)) == BitmapStart::Empty) {
        return picture;
    }
    if (size < kBitmapFileHeaderSize + 4) {
        Damaged(N_("Bitmap image is damaged: the header is cut short"));
    }
    const unsigned char* h = bytes + kBitmapFileHeaderSize;
    const std::uint32_t headerSize = Little32(h);
    if (!KnownHeaderSize(headerSize)) {
        Damaged(N_("Bitmap image is damaged: unknown header"));
    }
    if (headerSize > size - kBitmapFileHeaderSize) {
        Damaged(N_("Bitmap image is damaged: the header is cut short"));
    }
    const bool core = headerSize == kCoreHeaderSize;
    // The OS/2 header's sizes are unsigned; the Windows header's height is negative for a
    // picture stored top-down.
    const std::int64_t width = core ? Little16(h + 4) : std::int32_t(Little32(h + 4));
    const std::int64_t height = core ? Little16(h + 6) : std::int32_t(Little32(h + 8));
    const unsigned planes = core ? Little16(h + 8) : Little16(h + 12);
    const int bpp = core ? Little16(h + 10) : Little16(h + 14);
    const std::uint32_t compression = core ? kRgb : Little32(h + 16);
    const std::uint32_t coloursUsed = core ? 0 : Little32(h + 32);

    if (width <= 0 || height == 0) {
        Damaged(N_("Bitmap image is damaged: no pixels"));
    }
    CheckPictureSize(width, std::llabs(height));
    if (planes != 1) {
        Damaged(N_("Bitmap image is damaged: the number of planes is not 1"));
    }
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) {
        Damaged(N_("Bitmap image is damaged: unsupported depth of {bits} bits"), {{"bits", std::to_string(bpp)}});
    }
    if (!(compression == kRgb || (compression == kRle8 && bpp == 8) ||
          (compression == kRle4 && bpp == 4) ||
          (compression == kBitFields && (bpp == 16 || bpp == 32)))) {
        Damaged(N_("Bitmap image is damaged: unsupported compression"));
    }
    const bool runs = compression == kRle8 || compression == kRle4;
    if (runs && height < 0) {
        Damaged(N_("Bitmap image is damaged: a compressed picture stored top-down"));
    }
    picture.width = int(width);
    picture.height = int(std::llabs(height));
    picture.topDown = height < 0;
    picture.bitsPerPixel = bpp;
    picture.coding = compression == kRle8        ? BitmapCoding::Rle8
                     : compression == kRle4      ? BitmapCoding::Rle4
                     : compression == kBitFields ? BitmapCoding::BitFields
                                                 : BitmapCoding::Plain;

    // The colour masks: inside the larger headers, after the plain one.
    std::size_t at = kBitmapFileHeaderSize + headerSize;
    if (compression == kBitFields) {
        const unsigned char* from = h + kInfoHeaderSize;
        if (headerSize == kInfoHeaderSize) {
            if (size - at < 12) {
                Damaged(N_("Bitmap image is damaged: the colour masks are cut short"));
            }
            at += 12;
        }
        picture.masks = {Little32(from), Little32(from + 4), Little32(from + 8)};
    } else if (bpp == 16) {
        picture.masks = {0x7c00, 0x03e0, 0x001f};
    } else if (bpp == 32) {
        picture.masks = {0xff0000, 0x00ff00, 0x0000ff};
    }
    if (bpp == 16 || bpp == 32) {
        for (const std::uint32_t mask : picture.masks) {
            if (!UsableMask(mask, bpp)) {
                Damaged(N_("Bitmap image is damaged: a colour mask that is not one run of bits"));
            }
        }
    }

    // The palette: pictures of up to 8 bits a pixel only; a file may declare fewer colours
    // than the depth allows.
    if (Paletted(bpp)) {
        const std::uint32_t most = 1u << bpp;
        const std::uint32_t entries = coloursUsed == 0 ? most : coloursUsed;
        if (entries > most) {
            Damaged(N_("Bitmap image is damaged: a palette of {count} colours"), {{"count", std::to_string(coloursUsed)}});
        }
        const std::size_t entrySize = core ? 3 : 4;
        if ((size - at) / entrySize < entries) {
            Damaged(N_("Bitmap image is damaged: the palette is cut short"));
        }
        picture.palette.reserve(entries);
        for (std::uint32_t i = 0; i < entries; ++i, at += entrySize) {
            picture.palette.push_back(std::uint32_t(bytes[at + 2]) << 16 |
                                      std::uint32_t(bytes[at + 1]) << 8 | bytes[at]);
        }
    }

    // The pixel data.
    const std::uint32_t offset = Little32(bytes + kPixelOffsetAt);
    if (offset < at || offset >= size) {
        Damaged(N_("Bitmap image is damaged: the pixel data lies outside the file"));
    }
    picture.pixelOffset = offset;
    if (runs) {
        picture.pixelLength = size - offset;
        std::size_t used = 0;
        const RunPixel none;
        ReadRuns(picture, bytes, none, &used);
        picture.pixelLength = used;
    } else {
        picture.stride = std::size_t((std::uint64_t(width) * std::uint64_t(bpp) + 31) / 32 * 4);
        if (std::uint64_t(picture.stride) * std::uint64_t(picture.height) > size - offset) {
            Damaged(N_("Bitmap image is damaged: the pixel data is cut short"));
        }
        picture.pixelLength = picture.stride * std::size_t(picture.height);
    }
    return picture;
}

void ReadRuns(const BitmapDescription& picture, const unsigned char* bytes, const RunPixel& put,
              std::size_t* used) {
    const bool four = picture.coding == BitmapCoding::Rle4;
    const unsigned char* data = bytes + picture.pixelOffset;
    const std::size_t end = picture.pixelLength;
    std::size_t i = 0;
    auto take = [&](std::size_t n) {
        if (end - i < n) {
            Damaged(N_("Bitmap image is damaged: the run-length data has no end mark"));
        }
        const std::size_t from = i;
        i += n;
        return data + from;
    };
    // Rows are stored bottom first; deltas move up the picture.
    int x = 0;
    int row = 0;
    auto place = [&](int count) {
        if (row >= picture.height || count > picture.width - x) {
            Damaged(N_("Bitmap image is damaged: a run passes the edge of the picture"));
        }
    };
    auto set = [&](int k, unsigned index) {
        if (put) {
            put(x + k, picture.height - 1 - row, index);
        }
    };
    for (;;) {
        const unsigned char* pair = take(2);
        const int count = pair[0];
        const unsigned value = pair[1];
        if (count > 0) {  // a run of one index, or of two alternating
            place(count);
            for (int k = 0; k < count; ++k) {
                set(k, !four ? value : (k % 2 == 0 ? value >> 4 : value & 0x0f));
            }
            x += count;
        } else if (value == 0) {  // end of line
            x = 0;
            if (++row > picture.height) {
                Damaged(N_("Bitmap image is damaged: a run passes the edge of the picture"));
            }
        } else if (value == 1) {  // end of the picture
            break;
        } else if (value == 2) {  // a jump right and up
            const unsigned char* delta = take(2);
            x += delta[0];
            row += delta[1];
            if (x > picture.width || row > picture.height) {
                Damaged(N_("Bitmap image is damaged: a run passes the edge of the picture"));
            }
        } else {  // `value` indices stored as they are, padded to a whole 16-bit word
            const int n = int(value);
            const std::size_t length = four ? (std::size_t(n) + 1) / 2 : std::size_t(n);
            const unsigned char* stored = take((length + 1) / 2 * 2);
            place(n);
            for (int k = 0; k < n; ++k) {
                const unsigned char b = stored[four ? k / 2 : k];
                set(k, !four ? b : (k % 2 == 0 ? b >> 4 : b & 0x0f));
            }
            x += n;
        }
    }
    if (used != nullptr) {
        *used = i;
    }
}

}  // namespace brimblet
