#include "BitmapFile.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <stdexcept>

namespace {

constexpr qint64 kFileHeaderSize = 14;

[[noreturn]] void Fail(const QString& message) { throw std::runtime_error(message.toStdString()); }

}  // namespace

QImage LoadBitmapFile(const QString& fileName) {
    QFile file(fileName);
    if (QFileInfo(fileName).isDir() || !file.open(QIODevice::ReadOnly)) {
        Fail(QStringLiteral("Cannot open file ") + fileName);
    }

    const QByteArray header = file.read(kFileHeaderSize);
    if (header.isEmpty() && file.atEnd()) {
        return {};  // an empty file is an empty bitmap
    }
    if (header.size() < kFileHeaderSize) {
        Fail(QStringLiteral("Stream read error"));
    }
    if (!header.startsWith("BM")) {
        Fail(QStringLiteral("Bitmap image is not valid"));
    }

    if (!file.seek(0)) {
        Fail(QStringLiteral("Stream read error"));
    }
    QImageReader reader(&file, "bmp");
    reader.setDecideFormatFromContent(false);
    const QSize declared = reader.size();
    if (declared.isValid() && qint64(declared.width()) * declared.height() > kMaxBitmapPixels) {
        Fail(QStringLiteral("Bitmap image is too large (%1 x %2 pixels)")
                 .arg(declared.width())
                 .arg(declared.height()));
    }
    QImage image = reader.read();
    if (image.isNull()) {
        Fail(reader.errorString());
    }
    return image.convertToFormat(QImage::Format_RGB32);  // drawn opaquely, whatever its depth
}
