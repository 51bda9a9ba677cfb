#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "BitmapCheck.h"

// The one plain form in which both front ends hand a checked picture to their toolkit's
// decoder, so that every variant a player may bring decodes to the same pixels on Windows and
// on Linux: a BMP file with a Windows info header, rows stored top first, no compression and
// nothing a decoder could read two ways.
//   1, 4 and 8 bits: the stored indices, with the palette filled up to 2^depth entries;
//                    indices past a short palette are black.
//   24 bits:         the stored colours.
//   16 and 32 bits:  widened through their masks to 8 bits a colour (WidenChannel), stored
//                    at 32 bits.
//   run-length data: expanded to 32 bits; pixels that the runs skip are black.
namespace brimblet {

constexpr std::size_t kPlainInfoHeaderAt = kBitmapFileHeaderSize;

// The plain BMP file of a checked, non-empty picture. `bytes` are the file's own, as checked.
std::vector<unsigned char> PlainBitmapFile(const BitmapDescription& picture,
                                           const unsigned char* bytes);

// Where the pixel data of a plain file starts.
std::size_t PlainPixelOffset(const std::vector<unsigned char>& plain);

// One colour of a pixel, read through its mask and widened (or narrowed) to 8 bits. A field
// of fewer bits has its bits repeated below themselves, so that its full value is 255 and
// its steps are as even as 8 bits allow: a 5-bit 31 is 255, not 248.
std::uint32_t WidenChannel(std::uint32_t pixel, std::uint32_t mask);

}  // namespace brimblet
