#!/usr/bin/env python3
"""Writes the main window's design-time pictures into a C++ source, each as a BMP file with
its size, for the program to decode when it first shows one.

Each is stored as small_bmp makes it: the board costs the program a few kilobytes instead of
its 190. Usage: embed_pictures.py OUT.cpp NAME=FILE.bmp...
"""
import struct
import sys

from small_bmp import smaller


def main():
    out, pictures = sys.argv[1], sys.argv[2:]
    lines = ['#include "DesignPictures.h"', "", "namespace {", ""]
    sizes = {}
    for argument in pictures:
        name, path = argument.split("=", 1)
        data = smaller(open(path, "rb").read())
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
