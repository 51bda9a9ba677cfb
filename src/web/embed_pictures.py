#!/usr/bin/env python3
"""Writes the main window's design-time pictures into a C++ source, each as a BMP file with
its size, for the program to decode when it first shows one.

A picture of at most 256 colours is stored run-length coded (RLE8), so the board costs the
program a few kilobytes instead of its 190. Usage: embed_pictures.py OUT.cpp NAME=FILE.bmp...
"""
import struct
import sys


def read_24bit(path):
    data = open(path, "rb").read()
    offset, = struct.unpack_from("<I", data, 10)
    _, width, height, _, bpp, compression = struct.unpack_from("<IiiHHI", data, 14)
    if bpp != 24 or compression != 0 or height <= 0:
        return data, None
    stride = (width * 3 + 3) & ~3
    rows = []  # bottom row first, as stored
    for y in range(height):
        row = data[offset + y * stride: offset + y * stride + width * 3]
        rows.append([row[3 * x: 3 * x + 3] for x in range(width)])
    return data, (width, height, rows)


def rle8(width, height, rows):
    colours = sorted({p for row in rows for p in row})
    if len(colours) > 256:
        return None
    index = {c: i for i, c in enumerate(colours)}
    runs = bytearray()
    for row in rows:
        x = 0
        while x < width:
            n = 1
            while x + n < width and n < 255 and row[x + n] == row[x]:
                n += 1
            runs += bytes((n, index[row[x]]))
            x += n
        runs += b"\0\0"  # end of line
    runs[-1] = 1  # the last end of line is the end of the picture
    palette = b"".join(c + b"\0" for c in colours)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(runs), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 1, len(runs), 0, 0,
                       len(colours), 0)
    return header + info + palette + bytes(runs)


def main():
    out, pictures = sys.argv[1], sys.argv[2:]
    lines = ['#include "DesignPictures.h"', "", "namespace {", ""]
    sizes = {}
    for argument in pictures:
        name, path = argument.split("=", 1)
        data, picture = read_24bit(path)
        coded = rle8(*picture) if picture else None
        data = coded or data
        sizes[name] = struct.unpack_from("<ii", data, 18)
        lines.append(f"const unsigned char k{name}[] = {{")
        for i in range(0, len(data), 24):
            lines.append("    " + ", ".join(str(b) for b in data[i:i + 24]) + ",")
        lines.append("};")
        lines.append("")
    lines += ["}  // namespace", "",
              "DesignPicture DesignPictureOf(DesignPictureId id) {",
              "    switch (id) {"]
    for name, (width, height) in sizes.items():
        lines.append(f"    case DesignPictureId::{name}:")
        lines.append(f"        return {{k{name}, sizeof k{name}, {width}, {height}}};")
    lines += ["    }", "    return {};", "}", ""]
    open(out, "w").write("\n".join(lines))


main()
