// Prints what the browser build's picture reader makes of each file named on the command line.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "PictureDigest.h"
#include "PlainPixels.h"

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string file = argv[i];
        std::string line;
        try {
            std::ifstream in(file, std::ios::binary);
            if (!in) {
                brimblet::FailCannotOpen(file);
            }
            const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), {});
            const brimblet::Pixels p = brimblet::DecodePicture(bytes.data(), bytes.size());
            line = p.Empty() ? picture_digest::Empty(file)
                             : picture_digest::Decoded(
                                   file, p.width, p.height,
                                   [](const void* q, int x, int y) {
                                       return static_cast<const brimblet::Pixels*>(q)->At(x, y);
                                   },
                                   &p);
        } catch (const brimblet::PictureError& error) {
            line = picture_digest::Refused(file, error.what());
        }
        std::printf("%s\n", line.c_str());
    }
    return 0;
}
