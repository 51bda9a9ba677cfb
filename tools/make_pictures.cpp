// Draws Brimblet's pictures: the board, the two counters, the six die faces and the window icon.
// The output depends on nothing but this file (numbers come from a pixel font of our own, not
// from a system font), so running it again gives the same bytes.
//
//   make_pictures <assets folder> <icon folder>

#include <QColor>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPointF>
#include <QRect>

#include <array>
#include <cmath>
#include <cstdio>

#include "BoardJumps.h"

namespace {

constexpr int kBoardWidth = 251;
constexpr int kBoardHeight = 252;
constexpr int kSquarePitch = 28;  // the rightmost column is one pixel narrower
constexpr int kSquaresPerRow = 9;
constexpr int kCounterSize = 16;
constexpr int kDieSize = 29;

const QColor kOddSquare(75, 181, 229);
const QColor kEvenSquare(254, 0, 0);
const QColor kLadder(255, 230, 0);

// 3 x 5 digits, one row of three bits per line, most significant bit on the left.
constexpr std::array<std::array<int, 5>, 10> kDigitFont{{
    {7, 5, 5, 5, 7},
    {2, 6, 2, 2, 7},
    {7, 1, 7, 4, 7},
    {7, 1, 3, 1, 7},
    {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7},
    {7, 4, 7, 5, 7},
    {7, 1, 1, 2, 2},
    {7, 5, 7, 5, 7},
    {7, 5, 7, 1, 7},
}};

void DrawNumber(QImage& image, int x, int y, int number) {
    const QString digits = QString::number(number);
    for (QChar c : digits) {
        const auto& glyph = kDigitFont[static_cast<std::size_t>(c.digitValue())];
        for (int row = 0; row < 5; ++row) {
            for (int col = 0; col < 3; ++col) {
                if (glyph[static_cast<std::size_t>(row)] & (4 >> col)) {
                    image.setPixelColor(x + col, y + row, Qt::black);
                }
            }
        }
        x += 4;
    }
}

// The cell of square n on the board picture: row 1 at the bottom, rows alternating direction.
QRect SquareRect(int n) {
    const int row = (n - 1) / kSquaresPerRow;
    const int place = (n - 1) % kSquaresPerRow;
    const int column = row % 2 == 0 ? place : kSquaresPerRow - 1 - place;
    const int width =
        column == kSquaresPerRow - 1 ? kBoardWidth - column * kSquarePitch : kSquarePitch;
    return {column * kSquarePitch, (kSquaresPerRow - 1 - row) * kSquarePitch, width, kSquarePitch};
}

QPointF Centre(int n) {
    const QRect r = SquareRect(n);
    return {r.x() + r.width() / 2.0, r.y() + r.height() / 2.0};
}

void DrawLadder(QPainter& p, int foot, int head) {
    const QLineF axis(Centre(foot), Centre(head));
    const QLineF normal = axis.normalVector().unitVector();
    const QPointF offset = (normal.p2() - normal.p1()) * 4.0;
    p.setPen(QPen(kLadder, 2));
    p.drawLine(QLineF(axis.p1() + offset, axis.p2() + offset));
    p.drawLine(QLineF(axis.p1() - offset, axis.p2() - offset));
    const int rungs = static_cast<int>(axis.length() / 7.0);
    for (int i = 1; i < rungs; ++i) {
        const QPointF at = axis.pointAt(static_cast<double>(i) / rungs);
        p.drawLine(QLineF(at + offset, at - offset));
    }
}

void DrawFigure(QPainter& p, QPointF at, const QColor& colour, double scale) {
    p.setPen(QPen(colour, scale));
    p.setBrush(colour);
    const auto pt = [&](double dx, double dy) { return at + QPointF(dx * scale, dy * scale); };
    p.drawEllipse(pt(0, -4), 1.8 * scale, 1.8 * scale);  // head
    p.drawLine(pt(0, -2), pt(0, 2));                     // body
    p.drawLine(pt(-3, -1), pt(3, -1));                   // arms
    p.drawLine(pt(0, 2), pt(-2, 6));                     // legs
    p.drawLine(pt(0, 2), pt(2, 6));
}

void DrawString(QPainter& p, int top, int bottom) {
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(Centre(top), Centre(bottom));
    DrawFigure(p, Centre(top), Qt::white, 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(Centre(bottom), 3.5, 3.5);
}

QImage MakeBoard() {
    QImage board(kBoardWidth, kBoardHeight, QImage::Format_RGB32);
    QPainter p(&board);
    for (int n = 1; n <= kSquaresPerRow * kSquaresPerRow; ++n) {
        p.fillRect(SquareRect(n), n % 2 == 1 ? kOddSquare : kEvenSquare);
    }
    for (const brimblet::BoardJump& jump : brimblet::BoardJumps) {
        if (jump.Kind == brimblet::JumpKind::Ladder) {
            DrawLadder(p, jump.From, jump.To);
        } else {
            DrawString(p, jump.From, jump.To);
        }
    }
    p.end();
    for (int n = 1; n <= kSquaresPerRow * kSquaresPerRow; ++n) {
        const QRect r = SquareRect(n);
        DrawNumber(board, r.x() + 2, r.y() + 2, n);
    }
    return board;
}

// A square tile lit from the upper left: light edges there, dark ones at the lower right.
QImage MakeCounter(const QColor& base) {
    QImage tile(kCounterSize, kCounterSize, QImage::Format_RGB32);
    for (int y = 0; y < kCounterSize; ++y) {
        for (int x = 0; x < kCounterSize; ++x) {
            const int edgeLight = std::min(x, y);
            const int edgeDark = std::min(kCounterSize - 1 - x, kCounterSize - 1 - y);
            QColor c = base;
            if (edgeDark < 2 && edgeDark <= edgeLight) {
                c = base.darker(170);
            } else if (edgeLight < 2) {
                c = base.lighter(150);
            } else {
                const int shade = 125 - (x + y) * 50 / (2 * kCounterSize);  // 125 .. 75
                c = shade >= 100 ? base.lighter(shade) : base.darker(200 - shade);
            }
            tile.setPixelColor(x, y, c);
        }
    }
    return tile;
}

QImage MakeDieFace(int value) {
    QImage face(kDieSize, kDieSize, QImage::Format_RGB32);
    face.fill(Qt::black);
    QPainter p(&face);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    constexpr double lo = 7.5, mid = 14.5, hi = 21.5;
    const QPointF centre(mid, mid), corners[] = {{lo, lo}, {hi, hi}, {hi, lo}, {lo, hi}},
                                    sides[] = {{lo, mid}, {hi, mid}};
    if (value % 2 == 1) {
        p.drawEllipse(centre, 2.5, 2.5);
    }
    const int cornerPips = value >= 4 ? 4 : value >= 2 ? 2 : 0;
    for (int i = 0; i < cornerPips; ++i) {
        p.drawEllipse(corners[i], 2.5, 2.5);
    }
    if (value == 6) {
        for (const QPointF& pip : sides) {
            p.drawEllipse(pip, 2.5, 2.5);
        }
    }
    return face;
}

QImage SixteenColours(const QImage& picture) {
    return picture.convertToFormat(QImage::Format_Indexed8,
                                QVector<QRgb>{0xff000000, 0xff800000, 0xff008000, 0xff808000,
                                              0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
                                              0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
                                              0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff},
                                Qt::ThresholdDither);
}

// A white figure on a cyan ground inside a red border, in the sixteen-colour palette.
QImage MakeIcon(int size) {
    QImage icon(size, size, QImage::Format_RGB32);
    icon.fill(QColor(255, 0, 0));
    QPainter p(&icon);
    const int border = size / 10;
    p.fillRect(border, border, size - 2 * border, size - 2 * border, QColor(0, 255, 255));
    DrawFigure(p, QPointF(size / 2.0, size / 2.0 - size / 32.0), Qt::white, size / 16.0);
    p.end();
    return SixteenColours(icon);
}

// The icon for a launcher that masks icons to its own shape (a circle, a squircle): red to
// the edges, and the icon's cyan ground with its figure wholly inside the central circle of
// 80 % of the width, which every mask keeps.
QImage MakeMaskableIcon(int size) {
    QImage icon(size, size, QImage::Format_RGB32);
    icon.fill(QColor(255, 0, 0));
    const int inner = size * 7 / 10;  // its cyan square's corners 0.396 of the width from the middle
    QPainter p(&icon);
    p.drawImage((size - inner) / 2, (size - inner) / 2, MakeIcon(inner));
    p.end();
    return SixteenColours(icon);
}

// A Windows icon file (.ico) holding the one sixteen-colour picture: the icon header, the
// picture's info header with twice its height (colours, then transparency), its palette, its
// pixels four bits each bottom row first, and an all-opaque mask.
QByteArray IconFile(const QImage& icon) {
    const int size = icon.width();
    const int colourStride = (size * 4 + 31) / 32 * 4;
    const int maskStride = (size + 31) / 32 * 4;
    QByteArray picture;
    QDataStream out(&picture, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(40) << qint32(size) << qint32(2 * size) << quint16(1) << quint16(4)
        << quint32(0) << quint32((colourStride + maskStride) * size) << qint32(0) << qint32(0)
        << quint32(16) << quint32(0);
    for (int i = 0; i < 16; ++i) {
        const QRgb c = i < icon.colorCount() ? icon.color(i) : 0;
        out << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);
    }
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < colourStride * 2; x += 2) {
            const int high = x < size ? icon.pixelIndex(x, y) : 0;
            const int low = x + 1 < size ? icon.pixelIndex(x + 1, y) : 0;
            out << quint8(high << 4 | low);
        }
    }
    for (int i = 0; i < maskStride * size; ++i) {
        out << quint8(0);
    }
    QByteArray file;
    QDataStream header(&file, QIODevice::WriteOnly);
    header.setByteOrder(QDataStream::LittleEndian);
    header << quint16(0) << quint16(1) << quint16(1)                       // an icon, one picture
           << quint8(size) << quint8(size) << quint8(16) << quint8(0)      // 16 colours
           << quint16(1) << quint16(4) << quint32(picture.size()) << quint32(6 + 16);
    return file + picture;
}

bool SaveIcon(const QImage& icon, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(IconFile(icon)) < 0) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool Save(const QImage& image, const QString& path, const char* format) {
    if (!image.save(path, format)) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_pictures <assets folder> <icon folder>\n");
        return 2;
    }
    const QDir assets(QString::fromLocal8Bit(argv[1]));
    const QDir icons(QString::fromLocal8Bit(argv[2]));
    // The files are 24 bits per pixel: Qt writes RGB888 images as 24-bit BMPs.
    bool ok = Save(MakeBoard().convertToFormat(QImage::Format_RGB888), assets.filePath("brimb.bmp"),
                   "BMP");
    ok = Save(MakeCounter(QColor(0, 176, 0)).convertToFormat(QImage::Format_RGB888),
              assets.filePath("counter.bmp"), "BMP") &&
         ok;
    ok = Save(MakeCounter(QColor(208, 0, 208)).convertToFormat(QImage::Format_RGB888),
              assets.filePath("counter2.bmp"), "BMP") &&
         ok;
    for (int v = 1; v <= 6; ++v) {
        ok = Save(MakeDieFace(v).convertToFormat(QImage::Format_RGB888),
                  assets.filePath(QStringLiteral("d%1.bmp").arg(v)), "BMP") &&
             ok;
    }
    ok = Save(MakeIcon(32), icons.filePath("brimblet.png"), "PNG") && ok;
    ok = SaveIcon(MakeIcon(32), icons.filePath("brimblet.ico")) && ok;
    ok = Save(MakeIcon(128), icons.filePath("brimblet-128.png"), "PNG") && ok;
    // The web app's icons, at the sizes a phone puts on its home screen and its splash screen.
    ok = Save(MakeIcon(192), icons.filePath("brimblet-192.png"), "PNG") && ok;
    ok = Save(MakeIcon(512), icons.filePath("brimblet-512.png"), "PNG") && ok;
    ok = Save(MakeMaskableIcon(512), icons.filePath("brimblet-maskable-512.png"), "PNG") && ok;
    // What iOS puts on its home screen, rounding the corners itself.
    ok = Save(MakeIcon(180), icons.filePath("apple-touch-icon.png"), "PNG") && ok;
    return ok ? 0 : 1;
}
