#include "BitmapFile.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <climits>

#include <stdexcept>

namespace {

constexpr qint64 kFileHeaderSize = 14;
constexpr int kCoreHeaderSize = 12;  // the old OS/2 header, with 16-bit sizes

// The picture size the header declares, read before anything is decoded, so that a file
// claiming a giant picture is refused before memory is set aside for it. Invalid when the
// header is too short to say; the reader reports that.
QSize DeclaredSize(const QByteArray& start) {
    if (start.size() < kFileHeaderSize + 4) {
        return {};
    }
    const auto* info = reinterpret_cast<const uchar*>(start.constData()) + kFileHeaderSize;
    const quint32 infoSize = qFromLittleEndian<quint32>(info);
    if (infoSize == kCoreHeaderSize && start.size() >= kFileHeaderSize + kCoreHeaderSize) {
        return {qFromLittleEndian<quint16>(info + 4), qFromLittleEndian<quint16>(info + 6)};
    }
    if (infoSize >= 40 && start.size() >= kFileHeaderSize + 12) {
        const qint64 width = qFromLittleEndian<qint32>(info + 4);
        const qint64 height = qFromLittleEndian<qint32>(info + 8);  // negative: stored top-down
        return {int(qMin<qint64>(qAbs(width), INT_MAX)), int(qMin<qint64>(qAbs(height), INT_MAX))};
    }
    return {};
}

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

    const QSize declared = DeclaredSize(header + file.peek(kFileHeaderSize + 12));
    if (declared.isValid() && qint64(declared.width()) * declared.height() > kMaxBitmapPixels) {
        Fail(QStringLiteral("Bitmap image is too large (%1 x %2 pixels)")
                 .arg(declared.width())
                 .arg(declared.height()));
    }

    if (!file.seek(0)) {
        Fail(QStringLiteral("Stream read error"));
    }
    QImageReader reader(&file, "bmp");
    reader.setDecideFormatFromContent(false);
    QImage image = reader.read();
    if (image.isNull()) {
        Fail(reader.errorString());
    }
    return image.convertToFormat(QImage::Format_RGB32);  // drawn opaquely, whatever its depth
}
