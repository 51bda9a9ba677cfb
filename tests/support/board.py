"""The board as the tests see it from outside a program: the jumps, where a counter is drawn
on each square, and the pictures read without any of the game's code."""
import struct

JUMPS = {2: 40, 13: 30, 42: 76, 44: 63, 53: 72, 79: 51, 70: 38, 61: 28, 37: 20, 23: 8}
ROW_Y = [230, 202, 175, 148, 121, 90, 63, 35, 5]
COLUMN_X = [5, 35, 60, 90, 120, 145, 175, 200, 230]


def square_at(n):
    row, place = divmod(n - 1, 9)
    return COLUMN_X[place if row % 2 == 0 else 8 - place], ROW_Y[row]


def read_bmp(path):
    """A 24-bit bottom-up BMP as rows of (r, g, b), top row first."""
    d = open(path, "rb").read()
    offset = struct.unpack_from("<I", d, 10)[0]
    width, height = struct.unpack_from("<ii", d, 18)
    stride = (width * 3 + 3) // 4 * 4
    rows = []
    for y in range(height):
        at = offset + (height - 1 - y) * stride
        rows.append([tuple(d[at + 3 * x:at + 3 * x + 3][::-1]) for x in range(width)])
    return rows
