#include "BitmapFile.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// The reader's own limit, a backstop for any header it reads differently from us.
constexpr int kReaderAllocationLimitMiB = int(kMaxBitmapPixels * 4 / (1024 * 1024));

[[noreturn]] void Fail(const QString& message) {
    throw brimblet::PictureError(message.toStdString());
}

}  // namespace

QImage LoadBitmapFile(const QString& fileName) {
    QFile file(fileName);
    if (QFileInfo(fileName).isDir() || !file.open(QIODevice::ReadOnly)) {
        brimblet::FailCannotOpen(fileName.toStdString());
    }
    return ReadBitmap(file);
}

QImage ReadBitmap(QIODevice& device) {
    const QByteArray start = device.read(brimblet::kBitmapStartSize);
    const auto* bytes = reinterpret_cast<const unsigned char*>(start.constData());
    if (brimblet::CheckBitmapStart(bytes, std::size_t(start.size())) ==
        brimblet::BitmapStart::Empty) {
        return {};
    }
    if (!device.seek(0)) {
        Fail(QStringLiteral("Stream read error"));
    }
    QImageReader reader(&device, "bmp");
    reader.setDecideFormatFromContent(false);
    reader.setAutoDetectImageFormat(false);  // the built-in reader alone: no plugin is loaded
    reader.setAllocationLimit(kReaderAllocationLimitMiB);
    QImage image = reader.read();
    if (image.isNull()) {
        Fail(reader.errorString());
    }
    brimblet::CheckPictureSize(image.width(), image.height());
    return image.convertToFormat(QImage::Format_RGB32);  // drawn opaquely, whatever its depth
}

QSize BitmapSize(const QString& fileName) {
    QImageReader reader(fileName, "bmp");
    reader.setAutoDetectImageFormat(false);
    return reader.size();
}
