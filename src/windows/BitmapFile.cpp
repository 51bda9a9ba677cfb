#include "BitmapFile.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "BitmapCheck.h"

namespace {

using brimblet::PictureError;

// Enough for the largest picture we accept at 32 bits a pixel, with its headers and palette.
constexpr std::uint64_t kMaxFileBytes = std::uint64_t(brimblet::kMaxBitmapPixels) * 4 + (1 << 20);

constexpr std::uint32_t kCoreHeaderSize = 12;  // the old OS/2 header
constexpr std::uint32_t kInfoHeaderSize = 40;

[[noreturn]] void Damaged(const std::string& what) {
    throw PictureError("Bitmap image is damaged: " + what);
}

std::uint32_t U32(const unsigned char* at) {
    std::uint32_t v = 0;
    std::memcpy(&v, at, sizeof v);  // x86: little-endian, as the file is
    return v;
}
std::uint16_t U16(const unsigned char* at) {
    std::uint16_t v = 0;
    std::memcpy(&v, at, sizeof v);
    return v;
}

bool KnownHeaderSize(std::uint32_t size) {
    return size == kCoreHeaderSize || size == kInfoHeaderSize || size == 52 || size == 56 ||
           size == 108 || size == 124;
}

// The header GDI is given: always a plain BITMAPINFOHEADER, its colour masks and its palette,
// whatever header the file has, so that GDI reads nothing (a colour profile, say) from
// outside what we checked.
struct DecoderInput {
    std::vector<unsigned char> info;
    std::vector<unsigned char> rleBits;  // run-length data, copied and closed with an end mark
    const unsigned char* bits = nullptr;
    int width = 0;
    int height = 0;  // as stored: negative for a top-down picture
};

DecoderInput Parse(const unsigned char* bytes, std::size_t size) {
    if (size < brimblet::kBitmapFileHeaderSize + 4) {
        Damaged("the header is cut short");
    }
    const std::uint32_t headerSize = U32(bytes + brimblet::kBitmapFileHeaderSize);
    if (!KnownHeaderSize(headerSize)) {
        Damaged("unknown header");
    }
    if (brimblet::kBitmapFileHeaderSize + headerSize > size) {
        Damaged("the header is cut short");
    }
    const unsigned char* h = bytes + brimblet::kBitmapFileHeaderSize;
    const bool core = headerSize == kCoreHeaderSize;

    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    std::int64_t width = core ? U16(h + 4) : static_cast<std::int32_t>(U32(h + 4));
    std::int64_t height = core ? U16(h + 6) : static_cast<std::int32_t>(U32(h + 8));
    info.biPlanes = core ? U16(h + 8) : U16(h + 12);
    info.biBitCount = core ? U16(h + 10) : U16(h + 14);
    info.biCompression = core ? BI_RGB : U32(h + 16);
    const std::uint32_t colorsUsed = core ? 0 : U32(h + 32);

    if (width <= 0 || height == 0) {
        Damaged("no pixels");
    }
    brimblet::CheckPictureSize(width, height < 0 ? -height : height);
    if (info.biPlanes != 1) {
        Damaged("more than one plane");
    }
    const int bpp = info.biBitCount;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) {
        Damaged("unsupported depth of " + std::to_string(bpp) + " bits");
    }
    const auto compression = info.biCompression;
    const bool rle = compression == BI_RLE8 || compression == BI_RLE4;
    if (!(compression == BI_RGB || (compression == BI_RLE8 && bpp == 8) ||
          (compression == BI_RLE4 && bpp == 4) ||
          (compression == BI_BITFIELDS && (bpp == 16 || bpp == 32)))) {
        Damaged("unsupported compression");
    }
    if (rle && height < 0) {
        Damaged("a compressed picture stored top-down");
    }

    // Colour masks: inside the larger headers, after the plain one.
    std::size_t at = brimblet::kBitmapFileHeaderSize + headerSize;
    std::uint32_t masks[3] = {};
    if (compression == BI_BITFIELDS) {
        const unsigned char* from = headerSize > kInfoHeaderSize ? h + kInfoHeaderSize : bytes + at;
        if (headerSize == kInfoHeaderSize) {
            at += sizeof masks;
        }
        if (at > size) {
            Damaged("the colour masks are cut short");
        }
        std::memcpy(masks, from, sizeof masks);
    }

    // The palette: pictures of up to 8 bits a pixel only.
    std::uint32_t entries = 0;
    if (bpp <= 8) {
        const std::uint32_t most = 1u << bpp;
        entries = colorsUsed == 0 ? most : colorsUsed;
        if (entries > most) {
            Damaged("a palette of " + std::to_string(colorsUsed) + " colours");
        }
    }
    const std::size_t entrySize = core ? 3 : 4;
    if (at + entries * entrySize > size) {
        Damaged("the palette is cut short");
    }

    DecoderInput input;
    input.width = static_cast<int>(width);
    input.height = static_cast<int>(height);
    info.biWidth = input.width;
    info.biHeight = input.height;
    info.biClrUsed = entries;
    input.info.resize(sizeof info + sizeof masks + entries * sizeof(RGBQUAD));
    unsigned char* out = input.info.data() + sizeof info;
    if (compression == BI_BITFIELDS) {
        std::memcpy(out, masks, sizeof masks);
        out += sizeof masks;
    }
    for (std::uint32_t i = 0; i < entries; ++i, out += sizeof(RGBQUAD)) {
        std::memcpy(out, bytes + at + i * entrySize, 3);  // blue, green, red
    }
    at += entries * entrySize;

    // The pixel data.
    const std::uint32_t offset = U32(bytes + 10);
    if (offset < at || offset >= size) {
        Damaged("the pixel data lies outside the file");
    }
    const std::size_t available = size - offset;
    if (rle) {
        // The decoder reads runs until it meets the end mark: give it one at the end.
        input.rleBits.assign(bytes + offset, bytes + size);
        input.rleBits.insert(input.rleBits.end(), {0, 0, 0, 1});
        info.biSizeImage = static_cast<DWORD>(input.rleBits.size());
        input.bits = input.rleBits.data();
    } else {
        const std::uint64_t stride = (std::uint64_t(width) * std::uint64_t(bpp) + 31) / 32 * 4;
        const std::uint64_t rows = std::uint64_t(height < 0 ? -height : height);
        if (stride * rows > available) {
            Damaged("the pixel data is cut short");
        }
        input.bits = bytes + offset;
    }
    std::memcpy(input.info.data(), &info, sizeof info);
    return input;
}

}  // namespace

Bitmap DecodeBitmap(const unsigned char* bytes, std::size_t size) {
    const std::size_t start = std::min(size, brimblet::kBitmapStartSize);
    if (brimblet::CheckBitmapStart(bytes, start) == brimblet::BitmapStart::Empty) {
        return {};
    }
    const DecoderInput input = Parse(bytes, size);
    const int rows = input.height < 0 ? -input.height : input.height;

    BITMAPINFO target{};
    target.bmiHeader.biSize = sizeof target.bmiHeader;
    target.bmiHeader.biWidth = input.width;
    target.bmiHeader.biHeight = -rows;  // top row first
    target.bmiHeader.biPlanes = 1;
    target.bmiHeader.biBitCount = 32;
    target.bmiHeader.biCompression = BI_RGB;

    HDC dc = CreateCompatibleDC(nullptr);
    void* pixels = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &target, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (dib == nullptr) {
        DeleteDC(dc);
        throw PictureError("Out of memory for a picture of " + std::to_string(input.width) + " x " +
                           std::to_string(rows) + " pixels");
    }
    HGDIOBJ previous = SelectObject(dc, dib);
    PatBlt(dc, 0, 0, input.width, rows, BLACKNESS);
    const int drawn = StretchDIBits(
        dc, 0, 0, input.width, rows, 0, 0, input.width, rows, input.bits,
        reinterpret_cast<const BITMAPINFO*>(input.info.data()), DIB_RGB_COLORS, SRCCOPY);
    GdiFlush();

    Bitmap bitmap;
    if (drawn > 0) {  // GDI_ERROR reads as -1
        bitmap.width = input.width;
        bitmap.height = rows;
        const auto* from = static_cast<const std::uint32_t*>(pixels);
        bitmap.pixels.assign(from, from + std::size_t(input.width) * std::size_t(rows));
        for (std::uint32_t& p : bitmap.pixels) {
            p &= 0x00ffffffu;
        }
    }
    SelectObject(dc, previous);
    DeleteObject(dib);
    DeleteDC(dc);
    if (bitmap.Empty()) {
        Damaged("the pixel data cannot be decoded");
    }
    return bitmap;
}

Bitmap LoadBitmapFile(const char* fileName) {
    HANDLE file = CreateFileA(fileName, GENERIC_READ, 0 /* no sharing */, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        brimblet::FailCannotOpen(fileName);
    }
    std::vector<unsigned char> bytes;
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(file, &size) != 0;
    if (ok) {
        bytes.resize(
            static_cast<std::size_t>(std::min<std::uint64_t>(size.QuadPart, kMaxFileBytes)));
        std::size_t done = 0;
        while (ok && done < bytes.size()) {
            DWORD got = 0;
            const DWORD want =
                static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
            ok = ReadFile(file, bytes.data() + done, want, &got, nullptr) != 0 && got > 0;
            done += got;
        }
    }
    CloseHandle(file);
    if (!ok) {
        throw PictureError("Stream read error");
    }
    return DecodeBitmap(bytes.data(), bytes.size());
}

namespace {

struct ResourceBytes {
    const unsigned char* data;
    std::size_t size;
};

ResourceBytes PictureResource(int id) {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10) /* RCDATA */);
    HGLOBAL loaded = found != nullptr ? LoadResource(nullptr, found) : nullptr;
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) {
        throw PictureError("The built-in picture " + std::to_string(id) + " is missing");
    }
    return {static_cast<const unsigned char*>(data), SizeofResource(nullptr, found)};
}

}  // namespace

Bitmap LoadPictureResource(int id) {
    const ResourceBytes bytes = PictureResource(id);
    return DecodeBitmap(bytes.data, bytes.size);
}

SIZE PictureResourceSize(int id) {
    const ResourceBytes bytes = PictureResource(id);
    const DecoderInput input = Parse(bytes.data, bytes.size);
    return {input.width, input.height < 0 ? -input.height : input.height};
}
