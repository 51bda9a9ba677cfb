#include <QPainter>
#include <QtEndian>

#include "BitmapFile.h"
#include "SquareCoords.h"
#include "UiTestSupport.h"

using namespace uitest;
using brimblet::SquareCoords;
using brimblet::SquarePoint;

namespace {

QImage DesignBoard() {
    return QImage(QStringLiteral(":/pictures/brimb.bmp")).convertToFormat(QImage::Format_RGB32);
}

// A BMP header that declares a picture of the given size and then ends.
QByteArray HeaderDeclaring(qint32 width, qint32 height) {
    QByteArray bytes(54, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, bytes.data() + at); };
    put32(2, 54);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<quint32>(width));
    put32(22, static_cast<quint32>(height));
    qToLittleEndian<quint16>(1, bytes.data() + 26);
    qToLittleEndian<quint16>(24, bytes.data() + 28);
    return bytes;
}

enum class Bitmap { Loaded, Empty, Never };

Bitmap StateOf(const QImage* image) {
    if (image == nullptr) {
        return Bitmap::Never;
    }
    return image->isNull() ? Bitmap::Empty : Bitmap::Loaded;
}

}  // namespace

class StartupPicturesTest : public QObject {
    Q_OBJECT

    static void expectNoCountersDrawn(const StartedGame& g) {
        QCOMPARE(g.picture("Image1")->Surface(), DesignBoard());
        QCOMPARE(g.label("position1")->text(), QStringLiteral("1"));
        QCOMPARE(g.label("position2")->text(), QStringLiteral("1"));
    }

private slots:
    void allPicturesPresentLoadWithoutAReport() {
        PictureFolder folder;
        StartedGame g;
        QVERIFY(g.errors.isEmpty());
        const GameAssets& a = g.form1().Assets();
        QCOMPARE(a.Board()->size(), QSize(251, 252));
        QCOMPARE(a.Counter1()->size(), QSize(16, 16));
        for (int v = 1; v <= 6; ++v) {
            QCOMPARE(a.DieFace(v)->size(), QSize(29, 29));
        }
        QVERIFY(g.picture("Image1")->Surface() != DesignBoard());  // the counters are on it
    }

    // Which bitmaps exist after the first failing file, row by row.
    void firstFailingFileDecidesWhatWasLoaded_data() {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QString>("expected");  // board, counter 1, counter 2, faces 1..6
        QTest::newRow("board") << "brimb.bmp"
                               << "EEE NNNNNN";
        QTest::newRow("counter") << "counter.bmp"
                                 << "LEE NNNNNN";
        QTest::newRow("counter2") << "counter2.bmp"
                                  << "LLE NNNNNN";
        QTest::newRow("face 1") << "d1.bmp"
                                << "LLL EEEEEE";
        QTest::newRow("face 2") << "d2.bmp"
                                << "LLL LEEEEE";
        QTest::newRow("face 6") << "d6.bmp"
                                << "LLL LLLLLE";
    }
    void firstFailingFileDecidesWhatWasLoaded() {
        QFETCH(QString, missing);
        QFETCH(QString, expected);
        PictureFolder folder;
        folder.Remove(missing);
        StartedGame g;
        QCOMPARE(g.errors, QStringList{QStringLiteral("Cannot open file ") + missing});
        const GameAssets& a = g.form1().Assets();
        QString actual;
        const auto letter = [](const QImage* image) {
            switch (StateOf(image)) {
            case Bitmap::Loaded:
                return QLatin1Char('L');
            case Bitmap::Empty:
                return QLatin1Char('E');
            default:
                return QLatin1Char('N');
            }
        };
        actual += letter(a.Board());
        actual += letter(a.Counter1());
        actual += letter(a.Counter2());
        actual += QLatin1Char(' ');
        for (int v = 1; v <= 6; ++v) {
            actual += letter(a.DieFace(v));
        }
        QCOMPARE(actual, expected);
        expectNoCountersDrawn(g);
        QCOMPARE(g.state().Position1, 1);  // the game state was set up before the pictures
        QCOMPARE(g.state().PlayMode, 1);
    }

    void onlyTheFirstOfTwoMissingFilesIsReported() {
        PictureFolder folder;
        folder.Remove(QStringLiteral("d3.bmp"));
        folder.Remove(QStringLiteral("counter.bmp"));
        StartedGame g;
        QCOMPARE(g.errors, QStringList{QStringLiteral("Cannot open file counter.bmp")});
    }

    void badFilesGiveTheirOwnTexts_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("1 byte") << QByteArray("B") << "Stream read error";
        QTest::newRow("13 bytes with the signature")
            << QByteArray("BM12345678901") << "Stream read error";
        QTest::newRow("not a bitmap")
            << QByteArray("GIF89a this is no bitmap at all") << "Bitmap image is not valid";
        QTest::newRow("lower-case signature")
            << QByteArray("bm34567890123456") << "Bitmap image is not valid";
        QTest::newRow("enormous") << HeaderDeclaring(100000, 100000)
                                  << "Bitmap image is too large (100000 x 100000 pixels)";
    }
    void badFilesGiveTheirOwnTexts() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        PictureFolder folder;
        folder.Write(QStringLiteral("counter2.bmp"), bytes);
        StartedGame g;
        QCOMPARE(g.errors, QStringList{error});
        QCOMPARE(StateOf(g.form1().Assets().Counter1()), Bitmap::Loaded);
        QCOMPARE(StateOf(g.form1().Assets().DieFace(1)), Bitmap::Never);
    }

    void damagedBitmapReportsTheReadersTextAndStopsLoading() {
        PictureFolder folder;
        QByteArray damaged = folder.Read(QStringLiteral("d2.bmp")).left(30);  // half an info header
        folder.Write(QStringLiteral("d2.bmp"), damaged);
        StartedGame g;
        QCOMPARE(g.errors.size(), 1);
        QVERIFY(!g.errors.first().isEmpty());
        QVERIFY(!g.errors.first().startsWith(QStringLiteral("Cannot open")));
        QCOMPARE(StateOf(g.form1().Assets().DieFace(3)), Bitmap::Empty);
    }

    // The design-time board is decoded only when it shows: here the file is missing, so a
    // drawing over part of the box leaves the design's pixels all around it.
    void aDrawingOverPartOfABoxLeavesItsDesignPictureAroundIt() {
        PictureFolder folder;
        folder.Remove(QStringLiteral("brimb.bmp"));
        StartedGame g;
        const QImage counter = LoadBitmapFile(QStringLiteral("counter.bmp"));
        g.picture("Image1")->Draw(&counter, 10, 20);
        QImage expected = DesignBoard();
        QPainter(&expected).drawImage(10, 20, counter);
        QCOMPARE(g.picture("Image1")->Surface(), expected);
    }

    void aFolderInPlaceOfAPictureCannotBeOpened() {
        PictureFolder folder;
        folder.Remove(QStringLiteral("brimb.bmp"));
        QDir().mkdir(QStringLiteral("brimb.bmp"));
        StartedGame g;
        QCOMPARE(g.errors, QStringList{QStringLiteral("Cannot open file brimb.bmp")});
    }

    void zeroByteFilesLoadAsEmptyBitmapsWithoutAReport() {
        PictureFolder folder;
        folder.Write(QStringLiteral("d6.bmp"), {});
        folder.Write(QStringLiteral("brimb.bmp"), {});
        StartedGame g;
        QVERIFY(g.errors.isEmpty());
        QCOMPARE(StateOf(g.form1().Assets().DieFace(6)), Bitmap::Empty);

        // The empty board draws nothing, so counters of earlier redraws stay on the picture.
        const QImage counter1 = *g.form1().Assets().Counter1();
        QTest::mouseClick(g.button("Player2"), Qt::LeftButton);
        g.clock.Set(brimblet::testing::kDiceClockFor[2]);  // 1 + 3 = 4
        g.clickDie();
        const QImage& surface = g.picture("Image1")->Surface();
        QCOMPARE(surface.pixelColor(SquareCoords[4].x + 8, SquareCoords[4].y + 8),
                 counter1.pixelColor(8, 8));
        QCOMPARE(surface.pixelColor(SquareCoords[1].x + 8, SquareCoords[1].y + 8),
                 g.form1().Assets().Counter2()->pixelColor(8, 8));
    }

    void gameStaysPlayableWithoutItsPictures() {
        PictureFolder folder;
        folder.Remove(QStringLiteral("counter2.bmp"));
        StartedGame g;
        const QImage dieBefore = g.picture("Image2")->Surface();
        QTest::mouseClick(g.button("Restart"), Qt::LeftButton);
        g.clock.Set(brimblet::testing::kDiceClockFor[3]);
        g.clickDie();
        QCOMPARE(g.label("position1")->text(), QString::number(g.state().Position1));
        QCOMPARE(g.picture("Image2")->Surface(), dieBefore);  // die faces were never created
        const SquarePoint p = SquareCoords[static_cast<std::size_t>(g.state().Position1)];
        QCOMPARE(g.picture("Image1")->Surface().pixelColor(p.x + 8, p.y + 8),
                 g.form1().Assets().Counter1()->pixelColor(8, 8));
        QCOMPARE(g.errors.size(), 1);
    }

    void loaderAcceptsOtherBitmapDepthsAndDrawsThemOpaque() {
        QTemporaryDir dir;
        QImage indexed(5, 3, QImage::Format_Indexed8);
        indexed.setColorTable({qRgb(1, 2, 3), qRgb(200, 100, 50)});
        indexed.fill(1);
        const QString path = dir.filePath(QStringLiteral("indexed.bmp"));
        QVERIFY(indexed.save(path, "BMP"));
        const QImage loaded = LoadBitmapFile(path);
        QCOMPARE(loaded.size(), QSize(5, 3));
        QCOMPARE(loaded.format(), QImage::Format_RGB32);
        QCOMPARE(loaded.pixelColor(4, 2), QColor(200, 100, 50));
    }
};

BRIMBLET_UI_TEST_MAIN(StartupPicturesTest)
#include "StartupPicturesTest.moc"
