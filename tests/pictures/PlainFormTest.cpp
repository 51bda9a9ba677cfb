// The plain form both builds decode changes nothing that Qt's own reader already reads one
// way: every uncompressed variant whose palette is full, read straight from its file, shows
// the pixels the game's loader shows.
#include <QDir>
#include <QImageReader>
#include <QTest>

#include "BitmapFile.h"

class PlainFormTest : public QObject {
    Q_OBJECT

private slots:
    void uncompressedVariantsShowWhatQtReadsFromTheFileItself() {
        const QDir corpus(QStringLiteral(BRIMBLET_PICTURE_VARIANTS));
        int compared = 0;
        for (const QString& name : corpus.entryList({QStringLiteral("valid-*.bmp")})) {
            // Run-length data, colours of other than 8 bits and short palettes are what the
            // plain form settles one way for both builds; the rest Qt reads alike.
            if (name.contains(QStringLiteral("rle")) || name.contains(QStringLiteral("16bpp")) ||
                name.contains(QStringLiteral("10-bit")) || name.contains(QStringLiteral("short")) ||
                name.contains(QStringLiteral("one-colour"))) {
                continue;
            }
            QImageReader direct(corpus.filePath(name), "bmp");
            const QImage expected = direct.read().convertToFormat(QImage::Format_RGB32);
            QVERIFY2(!expected.isNull(), qPrintable(name));
            QVERIFY2(LoadBitmapFile(corpus.filePath(name)) == expected, qPrintable(name));
            ++compared;
        }
        QVERIFY(compared >= 25);
    }
};

QTEST_GUILESS_MAIN(PlainFormTest)
#include "PlainFormTest.moc"
