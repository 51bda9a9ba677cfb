#pragma once

#include <windows.h>

#include <cstddef>

#include "Bitmap.h"

// Loads one picture file by bare name from the working directory, opened for reading with no
// sharing, so a file that another program holds open cannot be opened either. A 0-byte file
// is an empty bitmap. Throws brimblet::PictureError with the text the player sees when the
// file cannot be opened, fails the checks every picture file passes, or is damaged.
Bitmap LoadBitmapFile(const char* fileName);

// Decodes the bytes of a whole BMP file with the platform's own decoder (GDI), after
// checking that everything the decoder will read lies inside them.
Bitmap DecodeBitmap(const unsigned char* bytes, std::size_t size);

// A picture built into the executable: the bytes of a BMP file as an RCDATA resource.
Bitmap LoadPictureResource(int id);
// Its width and height, read from its header without decoding it.
SIZE PictureResourceSize(int id);
