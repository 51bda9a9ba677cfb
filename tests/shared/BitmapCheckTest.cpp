#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BitmapCheck.h"

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

}  // namespace
}  // namespace brimblet
