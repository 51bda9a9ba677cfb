// Prints what the browser build's picture reader makes of each file named on the command line.
#include <fstream>
#include <iterator>
#include <vector>

#include "PictureDigest.h"
#include "PlainPixels.h"

namespace {

struct Picture {
    brimblet::Pixels pixels;
    int Width() const { return pixels.width; }
    int Height() const { return pixels.height; }
    std::uint32_t Pixel(int x, int y) const { return pixels.At(x, y); }
};

}  // namespace

int main(int argc, char** argv) {
    return picture_digest::Main(argc, argv, [](const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            brimblet::FailCannotOpen(file);
        }
        const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                               std::istreambuf_iterator<char>());
        return Picture{brimblet::DecodePicture(bytes.data(), bytes.size())};
    });
}
