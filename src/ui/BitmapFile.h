#pragma once

#include <QImage>
#include <QString>

class QIODevice;

// Loads one BMP picture file. Returns a null image for a 0-byte file (an empty bitmap).
// Throws std::runtime_error, with the text the player sees, when the file cannot be opened
// ("Cannot open file <name>"), is shorter than the 14-byte file header ("Stream read error"),
// does not begin with "BM" ("Bitmap image is not valid"), declares a picture too large to be
// one of ours, or cannot be decoded (the image reader's own text).
QImage LoadBitmapFile(const QString& fileName);

// The same, from an open device positioned at the start of the file's bytes.
QImage ReadBitmap(QIODevice& device);

// The most pixels a picture may declare: far above any of ours, far below exhausting memory.
constexpr qint64 kMaxBitmapPixels = 4096 * 4096;
