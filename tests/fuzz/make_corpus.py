#!/usr/bin/env python3
"""Writes the seed corpus for the picture-loading fuzzer: valid BMP files of every common
depth and compression, and broken ones (short palettes, sizes that overflow, truncations at
every header boundary, files of 0 to 13 bytes, wrong signatures).

    make_corpus.py <output folder>
"""
import os
import struct
import sys


def file_header(total_size, pixel_offset):
    return b"BM" + struct.pack("<IHHI", total_size, 0, 0, pixel_offset)


def info_header(width, height, bpp, compression=0, image_size=0, colours=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, compression, image_size,
                       2835, 2835, colours, 0)


def row_bytes(width, bpp):
    return ((width * bpp + 31) // 32) * 4


def bmp(width, height, bpp, palette_entries=None, compression=0, pixels=None, masks=b""):
    if palette_entries is None:
        palette_entries = (1 << bpp) if bpp <= 8 else 0
    palette = b"".join(struct.pack("<BBBB", (i * 37) & 255, (i * 91) & 255, (i * 13) & 255, 0)
                       for i in range(palette_entries))
    if pixels is None:
        size = row_bytes(abs(width), bpp) * abs(height)
        pixels = bytes((i * 7 + 3) & 255 for i in range(size))
    info = info_header(width, height, bpp, compression, len(pixels), palette_entries)
    offset = 14 + len(info) + len(masks) + len(palette)
    body = info + masks + palette + pixels
    return file_header(14 + len(body), offset) + body


def core_bmp(width, height, bpp):
    """The old OS/2 header: 12 bytes, 16-bit sizes, 3-byte palette entries."""
    palette = b"".join(struct.pack("<BBB", i, 255 - i, i // 2) for i in range((1 << bpp) if bpp <= 8 else 0))
    pixels = bytes(row_bytes(width, bpp) * height)
    info = struct.pack("<IHHHH", 12, width, height, 1, bpp)
    offset = 14 + len(info) + len(palette)
    return file_header(offset + len(pixels), offset) + info + palette + pixels


def rle8(width, height):
    data = b""
    for _ in range(height):
        data += bytes([width, 5]) + b"\x00\x00"  # a run, then end of line
    data += b"\x00\x01"  # end of bitmap
    return bmp(width, height, 8, compression=1, pixels=data)


def rle4(width, height):
    data = b""
    for _ in range(height):
        data += bytes([width, 0x12]) + b"\x00\x00"
    data += b"\x00\x02\x03\x01"  # a delta, then nothing more: the end-of-bitmap is missing
    return bmp(width, height, 4, compression=2, pixels=data)


def bitfields16(width, height):
    masks = struct.pack("<III", 0xF800, 0x07E0, 0x001F)
    return bmp(width, height, 16, compression=3, masks=masks)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    cases = {}
    for bpp in (1, 4, 8, 16, 24, 32):
        cases[f"valid-{bpp}bpp"] = bmp(7, 5, bpp)
        cases[f"top-down-{bpp}bpp"] = bmp(7, -5, bpp)
    cases["valid-16bpp-bitfields"] = bitfields16(6, 4)
    cases["valid-rle8"] = rle8(9, 3)
    cases["broken-rle4"] = rle4(9, 3)
    cases["core-header-8bpp"] = core_bmp(5, 4, 8)
    cases["core-header-24bpp"] = core_bmp(5, 4, 24)
    cases["palette-too-short-8bpp"] = bmp(4, 4, 8, palette_entries=3)
    cases["palette-too-long-1bpp"] = bmp(4, 4, 1, palette_entries=300)
    cases["size-overflows-32-bits"] = bmp(0x10000, 0x10001, 32, pixels=b"\x00" * 64)
    cases["width-times-bpp-overflows"] = bmp(0x7FFFFFFF, 1, 24, pixels=b"\x00" * 64)
    cases["height-most-negative"] = bmp(4, -0x80000000, 24, pixels=b"\x00" * 64)
    cases["zero-width"] = bmp(0, 4, 24, pixels=b"")
    cases["zero-planes-bad-bpp"] = bmp(4, 4, 7)
    cases["pixel-offset-past-end"] = file_header(70, 0x7FFFFFF0) + info_header(2, 2, 24) + b"\x00" * 16
    whole = bmp(6, 6, 8)
    for cut in (14, 15, 18, 22, 26, 28, 30, 34, 50, 54, 54 + 4, 54 + 1024, len(whole) - 1):
        cases[f"truncated-at-{cut}"] = whole[:cut]
    for n in range(14):
        cases[f"length-{n}"] = (b"BM" + b"\x00" * 12)[:n]
    cases["wrong-signature-MB"] = b"MB" + whole[2:]
    cases["wrong-signature-png"] = b"\x89PNG\r\n\x1a\n" + b"\x00" * 40
    for name, data in cases.items():
        with open(os.path.join(out, name + ".bmp"), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
