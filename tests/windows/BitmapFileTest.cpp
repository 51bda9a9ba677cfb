#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "BitmapCheck.h"
#include "BitmapFile.h"
#include "PictureFiles.h"
#include "WindowsTestSupport.h"

namespace {

using Bytes = std::vector<unsigned char>;

void Put(Bytes& b, std::size_t at, std::uint32_t v, int size) {
    for (int i = 0; i < size; ++i) {
        b[at + std::size_t(i)] = static_cast<unsigned char>(v >> (8 * i));
    }
}

// A BMP file with a Windows info header: the given depth, compression, palette and pixels.
Bytes Bmp(int width, int height, int bpp, std::uint32_t compression, const Bytes& palette,
          const Bytes& pixels) {
    Bytes b(54, 0);
    b[0] = 'B';
    b[1] = 'M';
    const std::size_t offset = 54 + palette.size();
    Put(b, 2, std::uint32_t(offset + pixels.size()), 4);
    Put(b, 10, std::uint32_t(offset), 4);
    Put(b, 14, 40, 4);
    Put(b, 18, std::uint32_t(width), 4);
    Put(b, 22, std::uint32_t(height), 4);
    Put(b, 26, 1, 2);
    Put(b, 28, std::uint32_t(bpp), 2);
    Put(b, 30, compression, 4);
    Put(b, 46, std::uint32_t(palette.size() / 4), 4);
    b.insert(b.end(), palette.begin(), palette.end());
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

Bitmap Decode(const Bytes& b) { return DecodeBitmap(b.data(), b.size()); }

std::string ErrorOf(const Bytes& b) {
    try {
        Decode(b);
    } catch (const brimblet::PictureError& e) {
        return e.what();
    }
    return "no error";
}

// Two rows of two: bottom row blue, green; top row red, white (rows stored bottom first).
const Bytes kPixels24{0xff, 0, 0, 0, 0xff, 0, 0, 0, 0, 0, 0xff, 0xff, 0xff, 0xff, 0xff, 0, 0};

TEST(WindowsBitmapFile, EveryDepthDecodesToTheSamePixels) {
    const Bitmap rgb = Decode(Bmp(2, 2, 24, BI_RGB, {}, kPixels24));
    ASSERT_EQ(rgb.width, 2);
    EXPECT_EQ(rgb.Pixel(0, 0), 0xff0000u);  // red, top left
    EXPECT_EQ(rgb.Pixel(1, 0), 0xffffffu);
    EXPECT_EQ(rgb.Pixel(0, 1), 0x0000ffu);
    EXPECT_EQ(rgb.Pixel(1, 1), 0x00ff00u);

    const Bytes palette{0xff, 0, 0, 0, 0, 0xff, 0, 0, 0, 0, 0xff, 0, 0xff, 0xff, 0xff, 0};
    const Bitmap eight = Decode(Bmp(2, 2, 8, BI_RGB, palette, {0, 1, 0, 0, 2, 3, 0, 0}));
    EXPECT_EQ(eight.pixels, rgb.pixels);
    const Bitmap four = Decode(Bmp(2, 2, 4, BI_RGB, palette, {0x01, 0, 0, 0, 0x23, 0, 0, 0}));
    EXPECT_EQ(four.pixels, rgb.pixels);
    const Bitmap topDown = Decode(Bmp(
        2, -2, 32, BI_RGB, {}, {0, 0, 0xff, 0, 0xff, 0xff, 0xff, 0, 0xff, 0, 0, 0, 0, 0xff, 0, 0}));
    EXPECT_EQ(topDown.pixels, rgb.pixels);
    // Run-length coded: two pixels of 2, one of 3 and one of 1, with end marks.
    const Bitmap rle = Decode(Bmp(2, 2, 8, BI_RLE8, palette, {1, 0, 1, 1, 0, 0, 1, 2, 1, 3, 0, 1}));
    EXPECT_EQ(rle.pixels, rgb.pixels);
}

TEST(WindowsBitmapFile, DamagedFilesAreRefusedWithAClearText) {
    Bytes cut = Bmp(2, 2, 24, BI_RGB, {}, kPixels24);
    cut.resize(cut.size() - 3);
    EXPECT_EQ(ErrorOf(cut), "Bitmap image is damaged: the pixel data is cut short");

    Bytes outside = Bmp(2, 2, 24, BI_RGB, {}, kPixels24);
    Put(outside, 10, 0x7fffffff, 4);
    EXPECT_EQ(ErrorOf(outside), "Bitmap image is damaged: the pixel data lies outside the file");

    Bytes header = Bmp(2, 2, 24, BI_RGB, {}, kPixels24);
    Put(header, 14, 41, 4);
    EXPECT_EQ(ErrorOf(header), "Bitmap image is damaged: unknown header");

    EXPECT_EQ(ErrorOf(Bmp(2, 2, 8, BI_RGB, Bytes(257 * 4, 0), Bytes(8, 0))),
              "Bitmap image is damaged: a palette of 257 colours");
    EXPECT_EQ(ErrorOf(Bmp(0, 2, 24, BI_RGB, {}, kPixels24)), "Bitmap image is damaged: no pixels");
    EXPECT_EQ(ErrorOf(Bmp(2, 2, 7, BI_RGB, {}, kPixels24)),
              "Bitmap image is damaged: unsupported depth of 7 bits");
    EXPECT_EQ(ErrorOf(Bmp(2, 2, 24, 4 /* JPEG */, {}, kPixels24)),
              "Bitmap image is damaged: unsupported compression");
    EXPECT_EQ(ErrorOf(Bmp(5000, 5000, 24, BI_RGB, {}, kPixels24)),
              "Bitmap image is too large (5000 x 5000 pixels)");
}

TEST(WindowsBitmapFile, RunsWithoutAnEndMarkAreRefusedNotHalfShown) {
    const Bytes palette(16, 0x80);
    Bytes runs;
    for (int i = 0; i < 200; ++i) {
        runs.insert(runs.end(), {255, 1, 0, 2, 255, 255});  // long runs and far jumps
    }
    EXPECT_EQ(ErrorOf(Bmp(16, 16, 8, BI_RLE8, palette, runs)),
              "Bitmap image is damaged: a run passes the edge of the picture");
    EXPECT_EQ(ErrorOf(Bmp(2, 2, 8, BI_RLE8, palette, {2, 1, 0, 0, 2, 1})),
              "Bitmap image is damaged: the run-length data has no end mark");
}

// Every cut of a real picture file and thousands of damaged copies load or are refused with
// an error; none crashes or hangs.
TEST(WindowsBitmapFile, CutAndScrambledPicturesNeverCrash) {
    for (const char* name : {"d3.bmp", "counter.bmp"}) {
        const std::string file = (std::string(BRIMBLET_ASSETS_DIR "/") + name);
        Bitmap original = LoadBitmapFile(file.c_str());
        HANDLE h = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               0, nullptr);
        Bytes bytes(GetFileSize(h, nullptr));
        DWORD got = 0;
        ReadFile(h, bytes.data(), DWORD(bytes.size()), &got, nullptr);
        CloseHandle(h);
        for (std::size_t size = 0; size < bytes.size(); ++size) {
            try {
                DecodeBitmap(bytes.data(), size);
            } catch (const brimblet::PictureError&) {
            }
        }
        std::mt19937 random(20261208);
        for (int round = 0; round < 3000; ++round) {
            Bytes damaged = bytes;
            for (int flips = 0; flips < 4; ++flips) {
                const std::size_t at =
                    2 + random() % std::min<std::size_t>(damaged.size() - 2, 120);
                damaged[at] = static_cast<unsigned char>(random());
            }
            try {
                const Bitmap b = Decode(damaged);
                EXPECT_EQ(b.pixels.size(), std::size_t(b.width) * std::size_t(b.height));
            } catch (const brimblet::PictureError&) {
            }
        }
        EXPECT_FALSE(original.Empty());
    }
}

}  // namespace
