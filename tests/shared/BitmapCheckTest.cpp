#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BitmapCheck.h"
#include "PlainBitmap.h"

namespace brimblet {
namespace {

using Bytes = std::vector<unsigned char>;

std::string ErrorOf(const Bytes& bytes) {
    try {
        CheckBitmapStart(bytes.data(), bytes.size());
    } catch (const PictureError& error) {
        return error.what();
    }
    return "no error";
}

void Put32(Bytes& bytes, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(v >> (8 * i));
    }
}

// The start of a bitmap file with a Windows info header declaring width x height.
Bytes Declaring(std::int32_t width, std::int32_t height) {
    Bytes bytes(kBitmapStartSize, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 14, 40);
    Put32(bytes, 18, static_cast<std::uint32_t>(width));
    Put32(bytes, 22, static_cast<std::uint32_t>(height));
    return bytes;
}

TEST(BitmapCheck, TextsOfTheThreeFaultsThePlayerCanMeet) {
    EXPECT_THROW(FailCannotOpen("brimb.bmp"), PictureError);
    try {
        FailCannotOpen("brimb.bmp");
    } catch (const PictureError& error) {
        EXPECT_STREQ(error.what(), "Cannot open file brimb.bmp");
    }
    EXPECT_EQ(ErrorOf(Bytes{'B'}), "Stream read error");
    EXPECT_EQ(ErrorOf(Bytes(13, 'B')), "Stream read error");
    EXPECT_EQ(ErrorOf(Bytes{'B', 'A', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
              "Bitmap image is not valid");
    EXPECT_EQ(ErrorOf(Bytes{'b', 'm', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
              "Bitmap image is not valid");
}

TEST(BitmapCheck, AZeroByteFileIsAnEmptyBitmapAndAFileHeaderAloneIsWorthDecoding) {
    EXPECT_EQ(CheckBitmapStart(nullptr, 0), BitmapStart::Empty);
    Bytes header(kBitmapFileHeaderSize, 0);
    header[0] = 'B';
    header[1] = 'M';
    EXPECT_EQ(CheckBitmapStart(header.data(), header.size()), BitmapStart::Bitmap);
}

TEST(BitmapCheck, AGiantDeclaredSizeIsRefusedWhicheverWayItIsStored) {
    EXPECT_EQ(ErrorOf(Declaring(251, 252)), "no error");
    EXPECT_EQ(ErrorOf(Declaring(4096, -4096)), "no error");  // top-down, at the limit
    EXPECT_EQ(ErrorOf(Declaring(4097, 4096)), "Bitmap image is too large (4097 x 4096 pixels)");
    EXPECT_EQ(ErrorOf(Declaring(30000, -30000)),
              "Bitmap image is too large (30000 x 30000 pixels)");
    EXPECT_EQ(ErrorOf(Declaring(INT32_MIN, INT32_MIN)),
              "Bitmap image is too large (2147483648 x 2147483648 pixels)");
}

TEST(BitmapCheck, TheOldOs2HeaderDeclaresItsSizeIn16Bits) {
    Bytes bytes = Declaring(0, 0);
    Put32(bytes, 14, 12);
    bytes[18] = 0x00;  // width 768
    bytes[19] = 0x03;
    bytes[20] = 0xff;  // height 32767
    bytes[21] = 0x7f;
    EXPECT_EQ(ErrorOf(bytes), "Bitmap image is too large (768 x 32767 pixels)");
}

TEST(BitmapCheck, DecodedSizeHasTheSameLimit) {
    EXPECT_NO_THROW(CheckPictureSize(4096, 4096));
    EXPECT_THROW(CheckPictureSize(4096, 4097), PictureError);
}

// A whole file with a Windows info header: depth, compression, palette (4 bytes an entry),
// masks after the header, and pixel data.
Bytes File(std::int32_t width, std::int32_t height, int bpp, std::uint32_t compression,
           const Bytes& palette, const Bytes& pixels, const Bytes& masks = {}) {
    Bytes b(54, 0);
    b[0] = 'B';
    b[1] = 'M';
    const std::size_t offset = 54 + masks.size() + palette.size();
    Put32(b, 10, std::uint32_t(offset));
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<std::uint32_t>(width));
    Put32(b, 22, static_cast<std::uint32_t>(height));
    b[26] = 1;
    b[28] = static_cast<unsigned char>(bpp);
    Put32(b, 30, compression);
    Put32(b, 46, std::uint32_t(palette.size() / 4));
    b.reserve(offset + pixels.size());  // GCC 12 warns of a bound it imagines otherwise
    b.insert(b.end(), masks.begin(), masks.end());
    b.insert(b.end(), palette.begin(), palette.end());
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

std::string DamageOf(const Bytes& bytes) {
    try {
        CheckBitmap(bytes.data(), bytes.size());
    } catch (const PictureError& error) {
        return error.what();
    }
    return "no error";
}

// The pixels of the plain form, top row first, as 0x00RRGGBB, for the depths it stores at 32.
std::vector<std::uint32_t> Plain32(const Bytes& file) {
    const BitmapDescription picture = CheckBitmap(file.data(), file.size());
    const std::vector<unsigned char> plain = PlainBitmapFile(picture, file.data());
    EXPECT_EQ(plain[28], 32);
    std::vector<std::uint32_t> pixels;
    for (std::size_t at = PlainPixelOffset(plain); at + 4 <= plain.size(); at += 4) {
        pixels.push_back(std::uint32_t(plain[at + 2]) << 16 | std::uint32_t(plain[at + 1]) << 8 |
                         plain[at]);
    }
    return pixels;
}

TEST(PlainBitmap, SixteenBitColoursWidenToFullScaleByRepeatingTheirBits) {
    EXPECT_EQ(WidenChannel(0x7c00, 0x7c00), 255u);  // 5-bit 31
    EXPECT_EQ(WidenChannel(0x0000, 0x7c00), 0u);
    EXPECT_EQ(WidenChannel(0x4000, 0x7c00), 0x84u);         // 5-bit 16: 10000 100
    EXPECT_EQ(WidenChannel(0x07e0, 0x07e0), 255u);          // 6-bit 63
    EXPECT_EQ(WidenChannel(0x0400, 0x07e0), 0x82u);         // 6-bit 32: 100000 10
    EXPECT_EQ(WidenChannel(0x0f00, 0x0f00), 255u);          // 4-bit 15
    EXPECT_EQ(WidenChannel(0x0100, 0x0100), 255u);          // 1 bit
    EXPECT_EQ(WidenChannel(0x3ff00000, 0x3ff00000), 255u);  // 10 bits keep their top 8
    EXPECT_EQ(WidenChannel(0x20100000, 0x3ff00000), 0x80u);
    EXPECT_EQ(WidenChannel(0x00ab0000, 0x00ff0000), 0xabu);  // 8 bits unchanged

    // Two 565 pixels, white and a dark mix, on one row padded to four bytes.
    const Bytes masks{0x00, 0xf8, 0, 0, 0xe0, 0x07, 0, 0, 0x1f, 0, 0, 0};
    const Bytes pixels{0xff, 0xff, 0x41, 0x08};  // 0xffff; 0x0841 = 00001 000010 00001
    EXPECT_EQ(Plain32(File(2, 1, 16, 3, {}, pixels, masks)),
              (std::vector<std::uint32_t>{0xffffff, 0x080808}));
}

TEST(PlainBitmap, RunsExpandWithSkippedPixelsBlackAndIndicesPastAShortPaletteBlack) {
    const Bytes palette{0x10, 0x20, 0x30, 0, 0x40, 0x50, 0x60, 0};  // two colours
    // Bottom row: index 1, then a jump to the top row's third pixel and an index past the
    // palette; the rest is never set.
    const Bytes runs{1, 1, 0, 2, 1, 1, 1, 7, 0, 1};
    const std::uint32_t a = 0x605040;
    EXPECT_EQ(Plain32(File(3, 2, 8, 1, palette, runs)),
              (std::vector<std::uint32_t>{0, 0, 0, /* bottom */ a, 0, 0}));
    // Four bits: a run alternates its two indices; an absolute run of three is padded.
    const Bytes runs4{3, 0x10, 0, 0, 0, 3, 0x01, 0x10, 0, 1};
    const std::uint32_t b = 0x302010;
    EXPECT_EQ(Plain32(File(3, 2, 4, 2, palette, runs4)),
              (std::vector<std::uint32_t>{b, a, a, a, b, a}));

    // Uncompressed indices keep their depth; the palette is filled up with black.
    const Bytes file = File(2, 1, 8, 0, palette, {1, 9, 0, 0});
    const std::vector<unsigned char> plain =
        PlainBitmapFile(CheckBitmap(file.data(), file.size()), file.data());
    EXPECT_EQ(plain[28], 8);
    EXPECT_EQ(PlainPixelOffset(plain), 54u + 256 * 4);
    EXPECT_EQ(plain[54 + 4], 0x40);   // colour 1 kept
    EXPECT_EQ(plain[54 + 9 * 4], 0);  // colour 9 black
}

TEST(PlainBitmap, RowsComeTopFirstWhicheverWayTheFileStoresThem) {
    const Bytes bottomUp{1, 2, 3, 0, 4, 5, 6, 0};  // 24 bits, one pixel a row
    const Bytes a = File(1, 2, 24, 0, {}, bottomUp);
    const Bytes b = File(1, -2, 24, 0, {}, {4, 5, 6, 0, 1, 2, 3, 0});
    const auto plainA = PlainBitmapFile(CheckBitmap(a.data(), a.size()), a.data());
    const auto plainB = PlainBitmapFile(CheckBitmap(b.data(), b.size()), b.data());
    EXPECT_EQ(plainA, plainB);
    EXPECT_EQ(plainA[PlainPixelOffset(plainA)], 4);
}

TEST(BitmapCheck, WhatAcceptedPicturesHandOnLiesInsideTheFile) {
    const Bytes palette{1, 2, 3, 0, 4, 5, 6, 0};
    const Bytes file = File(3, 2, 8, 0, palette, {0, 1, 0, 0, 1, 0, 1, 0, 7, 7});
    const BitmapDescription picture = CheckBitmap(file.data(), file.size());
    EXPECT_EQ(picture.palette, (std::vector<std::uint32_t>{0x030201, 0x060504}));
    EXPECT_EQ(picture.stride, 4u);
    EXPECT_EQ(picture.pixelLength, 8u);  // the two rows, not the bytes after them
    EXPECT_EQ(picture.pixelOffset, 62u);

    // Run-length data: up to and including its end mark.
    const Bytes runs = File(2, 1, 8, 1, palette, {2, 1, 0, 1, 9, 9, 9});
    EXPECT_EQ(CheckBitmap(runs.data(), runs.size()).pixelLength, 4u);
    EXPECT_TRUE(CheckBitmap(nullptr, 0).Empty());
}

TEST(BitmapCheck, DamagedRunsAndMasksAreRefusedWithWhatIsWrong) {
    const Bytes palette(8, 0);
    const std::string edge = "Bitmap image is damaged: a run passes the edge of the picture";
    EXPECT_EQ(DamageOf(File(2, 2, 8, 1, palette, {3, 1, 0, 1})), edge);
    EXPECT_EQ(DamageOf(File(2, 2, 8, 1, palette, {0, 2, 1, 3, 0, 1})), edge);  // delta
    EXPECT_EQ(DamageOf(File(2, 1, 8, 1, palette, {0, 0, 2, 1, 0, 1})), edge);  // row 2 of 1
    EXPECT_EQ(DamageOf(File(4, 1, 8, 1, palette, {0, 5, 1, 1, 1, 1, 1, 0})), edge);
    EXPECT_EQ(DamageOf(File(2, 1, 8, 1, palette, {2, 1, 0, 0})),
              "Bitmap image is damaged: the run-length data has no end mark");
    EXPECT_EQ(DamageOf(File(4, 1, 8, 1, palette, {0, 4, 1, 1})),
              "Bitmap image is damaged: the run-length data has no end mark");
    EXPECT_EQ(DamageOf(File(2, -1, 8, 1, palette, {2, 1, 0, 1})),
              "Bitmap image is damaged: a compressed picture stored top-down");

    const std::string mask = "Bitmap image is damaged: a colour mask that is not one run of bits";
    const Bytes pixels(4, 0);
    auto masks = [](std::uint32_t r, std::uint32_t g, std::uint32_t b) {
        Bytes m(12, 0);
        Put32(m, 0, r);
        Put32(m, 4, g);
        Put32(m, 8, b);
        return m;
    };
    EXPECT_EQ(DamageOf(File(2, 1, 16, 3, {}, pixels, masks(0xf81f, 0x07e0, 0x001f))), mask);
    EXPECT_EQ(DamageOf(File(2, 1, 16, 3, {}, pixels, masks(0x1f0000, 0x07e0, 0x001f))), mask);
    EXPECT_EQ(DamageOf(File(1, 1, 32, 3, {}, pixels, masks(0xff0000, 0, 0xff))), mask);
    EXPECT_EQ(DamageOf(File(1, 1, 32, 3, {}, pixels, masks(0xff000000, 0xff0000, 0xff))),
              "no error");
    Bytes cut = File(2, 1, 16, 3, {}, {}, {});
    EXPECT_EQ(DamageOf(cut), "Bitmap image is damaged: the colour masks are cut short");
}

}  // namespace
}  // namespace brimblet
