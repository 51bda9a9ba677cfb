#include "BitmapFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

#include "PlainBitmap.h"

namespace {

// The reader's own limit, a backstop for any header it reads differently from us.
constexpr int kReaderAllocationLimitMiB = int(kMaxBitmapPixels * 4 / (1024 * 1024));

[[noreturn]] void Fail(const char* message) { throw brimblet::PictureError(message); }

// The file's bytes, up to the most a picture we accept can take; a buffer as large as that
// limit is set aside only for a file that is.
QByteArray ReadAtMost(QIODevice& device, qint64 most) {
    if (!device.isSequential()) {
        return device.read(std::min(device.size() - device.pos(), most));
    }
    QByteArray bytes;
    while (bytes.size() < most) {
        const QByteArray part = device.read(std::min<qint64>(most - bytes.size(), 1 << 16));
        if (part.isEmpty()) {
            break;
        }
        bytes += part;
    }
    return bytes;
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
    const QByteArray bytes = ReadAtMost(device, qint64(brimblet::kMaxBitmapFileBytes));
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const brimblet::BitmapDescription picture =
        brimblet::CheckBitmap(data, std::size_t(bytes.size()));
    if (picture.Empty()) {
        return {};
    }
    // Qt's reader is handed the picture in the plain form both builds decode.
    const std::vector<unsigned char> plain = brimblet::PlainBitmapFile(picture, data);
    QByteArray plainBytes = QByteArray::fromRawData(reinterpret_cast<const char*>(plain.data()),
                                                    qsizetype(plain.size()));
    QBuffer buffer(&plainBytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setDecideFormatFromContent(false);
    reader.setAutoDetectImageFormat(false);  // the built-in reader alone: no plugin is loaded
    reader.setAllocationLimit(kReaderAllocationLimitMiB);
    QImage image = reader.read();
    if (image.isNull() || image.width() != picture.width || image.height() != picture.height) {
        Fail(brimblet::N_("Bitmap image is damaged: the pixel data cannot be decoded"));
    }
    return image.convertToFormat(QImage::Format_RGB32);  // drawn opaquely, whatever its depth
}

QSize BitmapSize(const QString& fileName) {
    QImageReader reader(fileName, "bmp");
    reader.setAutoDetectImageFormat(false);
    return reader.size();
}
