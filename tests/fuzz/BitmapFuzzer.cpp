// Fuzzes the checks every picture file passes and the plain form they hand a decoder, then
// Qt's decoding of that form and the shared layer's own (which the browser build draws from):
// the two must agree on every pixel. Whatever the checks accept must lead a decoder only to bytes
// inside the file, with a palette and masks of the declared size and a picture within the
// size limit; whatever they refuse must be refused with a text for the player.
#include <QBuffer>
#include <QByteArray>
#include <QtGlobal>

#include <cstdint>
#include <cstdlib>
#include <stdexcept>

#include "BitmapCheck.h"
#include "BitmapFile.h"
#include "PlainBitmap.h"
#include "PlainPixels.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();  // a picture the checks should not have let through
    }
}

bool OneRunOfBits(std::uint32_t mask, int bitsPerPixel) {
    if (mask == 0 || (bitsPerPixel < 32 && (mask >> bitsPerPixel) != 0)) {
        return false;
    }
    while ((mask & 1u) == 0) {
        mask >>= 1;
    }
    return (mask & (mask + 1)) == 0;
}

void CheckDescription(const brimblet::BitmapDescription& p, const std::uint8_t* data,
                      std::size_t size) {
    Require(p.width > 0 && p.height > 0);
    Require(std::int64_t(p.width) * p.height <= brimblet::kMaxBitmapPixels);
    Require(p.pixelOffset <= size && p.pixelLength <= size - p.pixelOffset);
    Require(p.pixelLength > 0);
    const int bpp = p.bitsPerPixel;
    if (bpp <= 8) {
        Require(!p.palette.empty() && p.palette.size() <= (std::size_t(1) << bpp));
    } else {
        Require(p.palette.empty());
    }
    if (bpp == 16 || bpp == 32) {
        for (const std::uint32_t mask : p.masks) {
            Require(OneRunOfBits(mask, bpp));
        }
    }
    const bool runs =
        p.coding == brimblet::BitmapCoding::Rle8 || p.coding == brimblet::BitmapCoding::Rle4;
    if (!runs) {
        Require(p.stride * std::size_t(p.height) == p.pixelLength);
    }
    const std::vector<unsigned char> plain = brimblet::PlainBitmapFile(p, data);
    const int depth = bpp <= 8 && !runs ? bpp : bpp == 24 ? 24 : 32;
    const std::size_t stride = (std::size_t(p.width) * std::size_t(depth) + 31) / 32 * 4;
    const std::size_t palette = depth <= 8 ? (std::size_t(4) << depth) : 0;
    Require(brimblet::PlainPixelOffset(plain) == 54 + palette);
    Require(plain.size() == 54 + palette + stride * std::size_t(p.height));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The reader warns on every odd header; millions of warnings would hide the findings.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    bool accepted = false;
    try {
        const brimblet::BitmapDescription picture = brimblet::CheckBitmap(data, size);
        Require(picture.Empty() == (size == 0));
        if (!picture.Empty()) {
            CheckDescription(picture, data, size);
        }
        accepted = true;
    } catch (const brimblet::PictureError& error) {
        Require(error.what()[0] != '\0');  // every error must say something to the player
    }

    // Qt decodes what the checks accept, whole, at the size they found.
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        const QImage image = ReadBitmap(buffer);
        Require(accepted);
        Require(image.isNull() == (size == 0));
        Require(image.isNull() || image.format() == QImage::Format_RGB32);
        const brimblet::Pixels pixels = brimblet::DecodePicture(data, size);
        Require(pixels.width == image.width() && pixels.height == image.height());
        for (int y = 0; y < pixels.height; ++y) {
            for (int x = 0; x < pixels.width; ++x) {
                Require(pixels.At(x, y) == (image.pixel(x, y) & 0x00ffffffu));
            }
        }
    } catch (const brimblet::PictureError&) {
        Require(!accepted);
    }
    return 0;
}
