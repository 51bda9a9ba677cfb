// Fuzzes the reading of one picture file: any bytes must give a picture of a sane size, an
// empty picture, or one of the loader's errors; never a crash, a hang or a huge allocation.
#include <QBuffer>
#include <QByteArray>
#include <QtGlobal>

#include <cstdint>
#include <cstdlib>
#include <stdexcept>

#include "BitmapFile.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The reader warns on every odd header; millions of warnings would hide the findings.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        const QImage image = ReadBitmap(buffer);
        if (image.isNull() ? size != 0
                           : (image.format() != QImage::Format_RGB32 ||
                              qint64(image.width()) * image.height() > kMaxBitmapPixels)) {
            std::abort();  // a picture the loader should not have let through
        }
    } catch (const std::runtime_error& error) {
        if (error.what()[0] == '\0') {
            std::abort();  // every error must say something to the player
        }
    }
    return 0;
}
