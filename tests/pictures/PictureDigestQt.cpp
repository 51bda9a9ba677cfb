// Prints what the Linux build's picture reader makes of each file named on the command line.
#include <QImage>
#include <QString>

#include <cstdio>

#include "BitmapCheck.h"
#include "BitmapFile.h"
#include "PictureDigest.h"

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string file = argv[i];
        std::string line;
        try {
            const QImage image = LoadBitmapFile(QString::fromLocal8Bit(argv[i]));
            line = image.isNull() ? picture_digest::Empty(file)
                                  : picture_digest::Decoded(
                                        file, image.width(), image.height(),
                                        [](const void* p, int x, int y) -> std::uint32_t {
                                            return static_cast<const QImage*>(p)->pixel(x, y);
                                        },
                                        &image);
        } catch (const brimblet::PictureError& error) {
            line = picture_digest::Refused(file, error.what());
        }
        std::printf("%s\n", line.c_str());
    }
    return 0;
}
