// Prints what the Linux build's picture reader makes of each file named on the command line.
#include <QImage>
#include <QString>

#include "BitmapFile.h"
#include "PictureDigest.h"

namespace {

struct Picture {
    QImage image;
    int Width() const { return image.width(); }
    int Height() const { return image.height(); }
    std::uint32_t Pixel(int x, int y) const { return image.pixel(x, y); }
};

}  // namespace

int main(int argc, char** argv) {
    return picture_digest::Main(argc, argv, [](const std::string& file) {
        return Picture{LoadBitmapFile(QString::fromStdString(file))};
    });
}
