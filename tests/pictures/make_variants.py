#!/usr/bin/env python3
"""Writes the corpus of picture-file variants that both builds are held to, and that seeds the
picture fuzzer: valid files of every depth, compression and header the game accepts
(valid-*.bmp), and damaged ones (damaged-*.bmp) that must be refused, or accepted, alike.

    make_variants.py <output folder>

The pixels, palettes and masks are chosen so that a decoder that reads anything two ways
(palette order, row order, bit order, the widening of 16-bit colours, skipped run-length
pixels) shows a difference.
"""
import os
import struct
import sys

BI_RGB, BI_RLE8, BI_RLE4, BI_BITFIELDS = 0, 1, 2, 3


def file_header(total_size, pixel_offset):
    return b"BM" + struct.pack("<IHHI", total_size, 0, 0, pixel_offset)


def info_header(width, height, bpp, compression=BI_RGB, image_size=0, colours=0, size=40,
                masks=(0, 0, 0, 0)):
    header = struct.pack("<IiiHHIIiiII", size, width, height, 1, bpp, compression, image_size,
                         2835, 2835, colours, 0)
    if size > 40:
        header += struct.pack("<IIII", *masks)[: size - 40]
        header += bytes(size - len(header))  # colour space, end points, gamma, profile
    return header


def row_bytes(width, bpp):
    return ((width * bpp + 31) // 32) * 4


def palette_of(entries, entry_size=4):
    """Colours that differ in every channel, the first of them not black."""
    out = b""
    for i in range(entries):
        blue, green, red = (i * 37 + 11) & 255, (i * 91 + 23) & 255, (i * 13 + 200) & 255
        out += bytes([blue, green, red, 0][:entry_size])
    return out


def pixel_bytes(width, height, bpp, seed=3):
    """Every row padded as the format wants, the padding bytes not zero."""
    stride = row_bytes(width, bpp)
    used = (width * bpp + 7) // 8
    data = bytearray()
    for y in range(height):
        row = bytes(((x * 7 + y * 29 + seed) * 13) & 255 for x in range(used))
        data += row + b"\xa5" * (stride - used)
    return bytes(data)


def assemble(info, pixels, palette=b"", masks=b""):
    offset = 14 + len(info) + len(masks) + len(palette)
    body = info + masks + palette + pixels
    return file_header(14 + len(body), offset) + body


def bmp(width, height, bpp, compression=BI_RGB, palette_entries=None, pixels=None, masks=b"",
        header_size=40, header_masks=(0, 0, 0, 0)):
    if palette_entries is None:
        palette_entries = (1 << bpp) if bpp <= 8 else 0
    if pixels is None:
        pixels = pixel_bytes(width, abs(height), bpp)
    info = info_header(width, height, bpp, compression, len(pixels),
                       palette_entries if bpp <= 8 else 0, header_size, header_masks)
    return assemble(info, pixels, palette_of(palette_entries), masks)


def core_bmp(width, height, bpp):
    """The old OS/2 header: 12 bytes, 16-bit sizes, 3-byte palette entries."""
    palette = palette_of((1 << bpp) if bpp <= 8 else 0, 3)
    info = struct.pack("<IHHHH", 12, width, height, 1, bpp)
    return assemble(info, pixel_bytes(width, height, bpp), palette)


def rle8_runs(width, height):
    """Five rows: encoded runs, absolute runs of odd and even length (padded), deltas along a
    row and up to the next one, and pixels left unset at the end of rows."""
    assert width == 11 and height == 5
    return bytes(
        [11, 17, 0, 0]                                  # row 0: one run
        + [2, 7, 0, 2, 3, 0, 1, 9, 0, 0]                # row 1: run, delta along, run, 5 unset
        + [0, 5, 1, 2, 3, 4, 5, 0, 6, 6, 0, 0]          # row 2: absolute of 5, run of 6
        + [0, 4, 9, 8, 7, 6, 0, 2, 2, 1]                # row 3: absolute of 4, delta up to row 4
        + [5, 200, 0, 0]                                # row 4, from x = 6: a run
        + [0, 1])                                       # end of the picture


def rle4_runs(width, height):
    data = bytearray()
    for y in range(height):
        if y == 1:
            data += bytes([3, 0x5a, 0, 2, 2, 0]) + bytes([2, 0x3c]) + b"\x00\x00"
        elif y == 2:
            data += bytes([0, 5, 0x12, 0x34, 0x50, 0]) + bytes([width - 5, 0xe1]) + b"\x00\x00"
        else:
            data += bytes([width, (y * 0x37) & 255]) + b"\x00\x00"
    return bytes(data[:-2]) + b"\x00\x01"  # the last row ends with the picture's end mark


def pixels16(width, height):
    stride = row_bytes(width, 16)
    data = bytearray()
    for y in range(height):
        row = b"".join(struct.pack("<H", ((x * 2311 + y * 977) * 7) & 0xFFFF) for x in range(width))
        data += row + b"\x5a" * (stride - len(row))
    return bytes(data)


def valid_variants():
    v = {}
    for bpp in (1, 4, 8, 24, 32):
        v[f"{bpp}bpp"] = bmp(7, 5, bpp)
        v[f"{bpp}bpp-top-down"] = bmp(7, -5, bpp)
    v["16bpp-555"] = bmp(7, 5, 16, pixels=pixels16(7, 5))
    v["16bpp-555-top-down"] = bmp(7, -5, 16, pixels=pixels16(7, 5))
    v["16bpp-555-bitfields"] = bmp(7, 5, 16, BI_BITFIELDS, pixels=pixels16(7, 5),
                                   masks=struct.pack("<III", 0x7C00, 0x03E0, 0x001F))
    v["16bpp-565-bitfields"] = bmp(7, 5, 16, BI_BITFIELDS, pixels=pixels16(7, 5),
                                   masks=struct.pack("<III", 0xF800, 0x07E0, 0x001F))
    v["16bpp-444-bitfields"] = bmp(5, 3, 16, BI_BITFIELDS, pixels=pixels16(5, 3),
                                   masks=struct.pack("<III", 0x0F00, 0x00F0, 0x000F))
    v["32bpp-bitfields-bgr"] = bmp(6, 4, 32, BI_BITFIELDS,
                                   masks=struct.pack("<III", 0x000000FF, 0x0000FF00, 0x00FF0000))
    v["32bpp-bitfields-10-bit"] = bmp(6, 4, 32, BI_BITFIELDS,
                                      masks=struct.pack("<III", 0x3FF00000, 0x000FFC00, 0x000003FF))
    v["rle8"] = bmp(11, 5, 8, BI_RLE8, pixels=rle8_runs(11, 5))
    v["rle4"] = bmp(11, 4, 4, BI_RLE4, pixels=rle4_runs(11, 4))
    v["rle8-short-palette"] = bmp(11, 5, 8, BI_RLE8, palette_entries=12, pixels=rle8_runs(11, 5))
    for bpp in (1, 4, 8, 24):
        v[f"os2-core-{bpp}bpp"] = core_bmp(9, 3, bpp)
    for name, size in (("v4", 108), ("v5", 124)):
        v[f"{name}-24bpp"] = bmp(5, 3, 24, header_size=size)
        v[f"{name}-8bpp"] = bmp(5, 3, 8, header_size=size)
        v[f"{name}-16bpp-565"] = bmp(7, 5, 16, BI_BITFIELDS, pixels=pixels16(7, 5), header_size=size,
                                     header_masks=(0xF800, 0x07E0, 0x001F, 0))
        v[f"{name}-32bpp-bitfields"] = bmp(3, 3, 32, BI_BITFIELDS, header_size=size,
                                           header_masks=(0xFF0000, 0xFF00, 0xFF, 0xFF000000))
    v["8bpp-short-palette"] = bmp(7, 5, 8, palette_entries=20)
    v["4bpp-short-palette"] = bmp(7, 5, 4, palette_entries=3)
    v["1bpp-one-colour"] = bmp(9, 2, 1, palette_entries=1)
    for width in (1, 2, 3, 5, 33):
        v[f"24bpp-width-{width}"] = bmp(width, 2, 24)
        v[f"1bpp-width-{width}"] = bmp(width, 2, 1)
    v["24bpp-pixel-data-after-a-gap"] = (lambda p: file_header(len(p) + 10, 54 + 10) + p[14:54]
                                         + b"\x77" * 10 + p[54:])(bmp(4, 2, 24))
    v["24bpp-one-pixel"] = bmp(1, 1, 24, pixels=b"\x10\x20\x30\x00")
    return v


def damaged_variants():
    d = {}
    whole = bmp(6, 6, 8)
    d["pixel-data-cut-short"] = whole[:-3]
    d["pixel-offset-past-the-end"] = file_header(70, 0x7FFFFFF0) + info_header(2, 2, 24) + b"\x00" * 16
    d["pixel-offset-inside-the-palette"] = whole[:10] + struct.pack("<I", 60) + whole[14:]
    d["rle8-top-down"] = bmp(11, -5, 8, BI_RLE8, pixels=rle8_runs(11, 5))
    d["rle8-without-an-end-mark"] = bmp(11, 5, 8, BI_RLE8, pixels=rle8_runs(11, 5)[:-2])
    d["rle4-delta-then-nothing"] = bmp(9, 3, 4, BI_RLE4, pixels=bytes([9, 0x12, 0, 0]) + b"\x00\x02\x03\x01")
    d["rle8-run-past-the-row"] = bmp(4, 2, 8, BI_RLE8, pixels=bytes([5, 1, 0, 1]))
    d["rle8-absolute-past-the-row"] = bmp(4, 2, 8, BI_RLE8, pixels=bytes([0, 5, 1, 2, 3, 4, 5, 0, 0, 1]))
    d["rle8-delta-past-the-top"] = bmp(4, 2, 8, BI_RLE8, pixels=bytes([0, 2, 0, 3, 0, 1]))
    d["rle8-rows-past-the-top"] = bmp(2, 2, 8, BI_RLE8, pixels=bytes([2, 1, 0, 0] * 3 + [0, 1]))
    d["rle8-absolute-cut-short"] = bmp(8, 2, 8, BI_RLE8, pixels=bytes([0, 8, 1, 2, 3]))
    d["rle8-on-4-bits"] = bmp(4, 2, 4, BI_RLE8, pixels=bytes([4, 1, 0, 1]))
    d["rle4-on-8-bits"] = bmp(4, 2, 8, BI_RLE4, pixels=bytes([4, 1, 0, 1]))
    d["bitfields-on-24-bits"] = bmp(2, 2, 24, BI_BITFIELDS, masks=struct.pack("<III", 0xFF, 0xFF00, 0xFF0000))
    d["bitfields-masks-cut-short"] = whole[:14] + info_header(2, 2, 16, BI_BITFIELDS) + b"\x00\xf8"
    d["bitfields-mask-broken"] = bmp(4, 2, 16, BI_BITFIELDS, masks=struct.pack("<III", 0xF00F, 0x0FF0, 0))
    d["bitfields-mask-zero"] = bmp(4, 2, 32, BI_BITFIELDS, masks=struct.pack("<III", 0xFF0000, 0, 0xFF))
    d["bitfields-mask-outside-16-bits"] = bmp(4, 2, 16, BI_BITFIELDS,
                                              masks=struct.pack("<III", 0x1F0000, 0x7E0, 0x1F))
    d["jpeg-compression"] = bmp(2, 2, 24, 4)
    d["png-compression"] = bmp(2, 2, 24, 5)
    d["alpha-bitfields-compression"] = bmp(2, 2, 32, 6)
    d["depth-7"] = bmp(4, 4, 7)
    d["depth-2"] = bmp(4, 4, 2)
    d["two-planes"] = whole[:26] + b"\x02\x00" + whole[28:]
    d["palette-too-long"] = bmp(4, 4, 1, palette_entries=300)
    d["palette-cut-short"] = whole[:54 + 100]
    d["unknown-header-41"] = whole[:14] + b"\x29" + whole[15:]
    d["os2-v2-header-64"] = whole[:14] + b"\x40" + whole[15:]
    d["header-cut-short"] = whole[:30]
    d["zero-width"] = bmp(0, 4, 24, pixels=b"")
    d["zero-height"] = bmp(4, 0, 24, pixels=b"")
    d["negative-width"] = bmp(-4, 4, 24, pixels=b"\x00" * 64)
    d["too-large"] = bmp(5000, 5000, 24, pixels=b"\x00" * 64)
    d["size-overflows-32-bits"] = bmp(0x10000, 0x10001, 32, pixels=b"\x00" * 64)
    d["width-times-depth-overflows"] = bmp(0x7FFFFFFF, 1, 24, pixels=b"\x00" * 64)
    d["height-most-negative"] = bmp(4, -0x80000000, 24, pixels=b"\x00" * 64)
    d["os2-too-large"] = file_header(40, 26) + struct.pack("<IHHHH", 12, 768, 32767, 1, 24)
    for cut in (15, 18, 22, 26, 28, 34, 50, 54, 58, 54 + 1024):
        d[f"truncated-at-{cut}"] = whole[:cut]
    for n in (1, 13):
        d[f"length-{n}"] = (b"BM" + b"\x00" * 12)[:n]
    d["signature-MB"] = b"MB" + whole[2:]
    d["signature-png"] = b"\x89PNG\r\n\x1a\n" + b"\x00" * 40
    return d


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for prefix, cases in (("valid", valid_variants()), ("damaged", damaged_variants())):
        for name, data in cases.items():
            with open(os.path.join(out, f"{prefix}-{name}.bmp"), "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main()
