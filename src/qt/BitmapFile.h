#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "BitmapCheck.h"

class QIODevice;

// Loads one BMP picture file. Returns a null image for a 0-byte file (an empty bitmap).
// Throws brimblet::PictureError, with the text the player sees, when the file cannot be
// opened, fails the checks every picture file passes, or cannot be decoded (the image
// reader's own text).
QImage LoadBitmapFile(const QString& fileName);

// The same, from an open device positioned at the start of the file's bytes.
QImage ReadBitmap(QIODevice& device);

// The width and height of a BMP picture, read from its header alone; an empty size when the
// file cannot be read.
QSize BitmapSize(const QString& fileName);

using brimblet::kMaxBitmapPixels;
