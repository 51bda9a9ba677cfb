#include "BitmapFile.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <climits>
#include <stdexcept>

namespace {

constexpr qint64 kFileHeaderSize = 14;
constexpr quint32 kWindowsHeaderSize = 40;
// The reader's own limit, a backstop for any header it reads differently from us.
constexpr int kReaderAllocationLimitMiB = int(kMaxBitmapPixels * 4 / (1024 * 1024));

[[noreturn]] void Fail(const QString& message) { throw std::runtime_error(message.toStdString()); }

// The picture size the header declares, read before anything is decoded, so that a file
// claiming a giant picture is refused before memory is set aside for it. Headers shorter
// than the Windows one are read as the old OS/2 header, with 16-bit sizes, as the reader
// does. Invalid when the header is too short to say; the reader reports that.
QSize DeclaredSize(const QByteArray& start) {
    if (start.size() < kFileHeaderSize + 12) {
        return {};
    }
    const auto* info = reinterpret_cast<const uchar*>(start.constData()) + kFileHeaderSize;
    qint64 width = 0;
    qint64 height = 0;  // negative: stored top-down
    if (qFromLittleEndian<quint32>(info) >= kWindowsHeaderSize) {
        width = qFromLittleEndian<qint32>(info + 4);
        height = qFromLittleEndian<qint32>(info + 8);
    } else {
        width = qFromLittleEndian<qint16>(info + 4);
        height = qFromLittleEndian<qint16>(info + 6);
    }
    return {int(qMin<qint64>(qAbs(width), INT_MAX)), int(qMin<qint64>(qAbs(height), INT_MAX))};
}

bool TooLarge(const QSize& size) { return qint64(size.width()) * size.height() > kMaxBitmapPixels; }

[[noreturn]] void FailTooLarge(const QSize& size) {
    Fail(QStringLiteral("Bitmap image is too large (%1 x %2 pixels)")
             .arg(size.width())
             .arg(size.height()));
}

}  // namespace

QImage LoadBitmapFile(const QString& fileName) {
    QFile file(fileName);
    if (QFileInfo(fileName).isDir() || !file.open(QIODevice::ReadOnly)) {
        Fail(QStringLiteral("Cannot open file ") + fileName);
    }
    return ReadBitmap(file);
}

QImage ReadBitmap(QIODevice& device) {
    const QByteArray header = device.read(kFileHeaderSize);
    if (header.isEmpty() && device.atEnd()) {
        return {};  // an empty file is an empty bitmap
    }
    if (header.size() < kFileHeaderSize) {
        Fail(QStringLiteral("Stream read error"));
    }
    if (!header.startsWith("BM")) {
        Fail(QStringLiteral("Bitmap image is not valid"));
    }

    const QSize declared = DeclaredSize(header + device.peek(kFileHeaderSize + 12));
    if (declared.isValid() && TooLarge(declared)) {
        FailTooLarge(declared);
    }

    if (!device.seek(0)) {
        Fail(QStringLiteral("Stream read error"));
    }
    QImageReader reader(&device, "bmp");
    reader.setDecideFormatFromContent(false);
    reader.setAllocationLimit(kReaderAllocationLimitMiB);
    QImage image = reader.read();
    if (image.isNull()) {
        Fail(reader.errorString());
    }
    if (TooLarge(image.size())) {
        FailTooLarge(image.size());
    }
    return image.convertToFormat(QImage::Format_RGB32);  // drawn opaquely, whatever its depth
}
