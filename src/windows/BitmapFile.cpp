#include "BitmapFile.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "BitmapCheck.h"
#include "PlainBitmap.h"

namespace {

using brimblet::N_;
using brimblet::PictureError;

}  // namespace

Bitmap DecodeBitmap(const unsigned char* bytes, std::size_t size) {
    const brimblet::BitmapDescription picture = brimblet::CheckBitmap(bytes, size);
    if (picture.Empty()) {
        return {};
    }
    const std::vector<unsigned char> plain = brimblet::PlainBitmapFile(picture, bytes);
    const auto* info =
        reinterpret_cast<const BITMAPINFO*>(plain.data() + brimblet::kPlainInfoHeaderAt);
    const unsigned char* bits = plain.data() + brimblet::PlainPixelOffset(plain);
    const int width = picture.width;
    const int rows = picture.height;

    BITMAPINFO target{};
    target.bmiHeader.biSize = sizeof target.bmiHeader;
    target.bmiHeader.biWidth = width;
    target.bmiHeader.biHeight = -rows;  // top row first
    target.bmiHeader.biPlanes = 1;
    target.bmiHeader.biBitCount = 32;
    target.bmiHeader.biCompression = BI_RGB;

    HDC dc = CreateCompatibleDC(nullptr);
    void* pixels = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &target, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (dib == nullptr) {
        DeleteDC(dc);
        throw PictureError(N_("Out of memory for a picture of {width} x {height} pixels"),
                           {{"width", std::to_string(width)}, {"height", std::to_string(rows)}});
    }
    HGDIOBJ previous = SelectObject(dc, dib);
    const int drawn = StretchDIBits(dc, 0, 0, width, rows, 0, 0, width, rows, bits, info,
                                    DIB_RGB_COLORS, SRCCOPY);
    GdiFlush();

    Bitmap bitmap;
    if (drawn > 0) {  // GDI_ERROR reads as -1
        bitmap.width = width;
        bitmap.height = rows;
        const auto* from = static_cast<const std::uint32_t*>(pixels);
        bitmap.pixels.assign(from, from + std::size_t(width) * std::size_t(rows));
        for (std::uint32_t& p : bitmap.pixels) {
            p &= 0x00ffffffu;
        }
    }
    SelectObject(dc, previous);
    DeleteObject(dib);
    DeleteDC(dc);
    if (bitmap.Empty()) {
        throw PictureError(N_("Bitmap image is damaged: the pixel data cannot be decoded"));
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
        bytes.resize(static_cast<std::size_t>(
            std::min<std::uint64_t>(size.QuadPart, brimblet::kMaxBitmapFileBytes)));
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
        throw PictureError(N_("Stream read error"));
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
        throw PictureError(N_("The built-in picture {id} is missing"), {{"id", std::to_string(id)}});
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
    const brimblet::BitmapDescription picture = brimblet::CheckBitmap(bytes.data, bytes.size);
    return {picture.width, picture.height};
}
