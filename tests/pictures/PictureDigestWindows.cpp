// Prints what the Windows build's picture reader makes of each file named on the command line.
#include <cstdio>

#include "BitmapCheck.h"
#include "BitmapFile.h"
#include "PictureDigest.h"

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string file = argv[i];
        std::string line;
        try {
            const Bitmap bitmap = LoadBitmapFile(argv[i]);
            line = bitmap.Empty() ? picture_digest::Empty(file)
                                  : picture_digest::Decoded(
                                        file, bitmap.width, bitmap.height,
                                        [](const void* p, int x, int y) {
                                            return static_cast<const Bitmap*>(p)->Pixel(x, y);
                                        },
                                        &bitmap);
        } catch (const brimblet::PictureError& error) {
            line = picture_digest::Refused(file, error.what());
        }
        std::printf("%s\n", line.c_str());
    }
    return 0;
}
