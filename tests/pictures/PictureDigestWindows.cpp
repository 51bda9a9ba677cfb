// Prints what the Windows build's picture reader makes of each file named on the command line.
#include "BitmapFile.h"
#include "PictureDigest.h"

namespace {

struct Picture {
    Bitmap bitmap;
    int Width() const { return bitmap.Empty() ? 0 : bitmap.width; }
    int Height() const { return bitmap.height; }
    std::uint32_t Pixel(int x, int y) const { return bitmap.Pixel(x, y); }
};

}  // namespace

int main(int argc, char** argv) {
    return picture_digest::Main(
        argc, argv, [](const std::string& file) { return Picture{LoadBitmapFile(file.c_str())}; });
}
