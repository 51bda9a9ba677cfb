#!/usr/bin/env python3
"""Whether a window shows a text as drawn alone: the probe's drawing of it (`probe draw`, on the
standard input), cut to its ink, found pixel for pixel within a region of the window's picture.
A name that a right-to-left sentence turned around, or broke apart, is not found.

usage: shows_text.py WINDOW.xwd LEFT TOP RIGHT BOTTOM < drawing
"""
import sys

from referee import read_xwd


def main():
    pixel = read_xwd(sys.argv[1])
    left, top, right, bottom = map(int, sys.argv[2:6])
    lines = sys.stdin.read().split("\n")
    width, height = map(int, lines[0].split())
    drawn = [[(int(v, 16) >> 16 & 255, int(v, 16) >> 8 & 255, int(v, 16) & 255) for v in line.split()]
             for line in lines[1:1 + height]]
    ink = [(x, y) for y in range(height) for x in range(width) if drawn[y][x] != drawn[0][0]]
    if not ink:
        return 2
    x0, y0 = min(x for x, _ in ink), min(y for _, y in ink)
    x1, y1 = max(x for x, _ in ink), max(y for _, y in ink)
    cut = [(x - x0, y - y0, drawn[y][x]) for y in range(y0, y1 + 1) for x in range(x0, x1 + 1)]
    for top_at in range(top, bottom - (y1 - y0)):
        for left_at in range(left, right - (x1 - x0)):
            if all(pixel(left_at + x, top_at + y) == colour for x, y, colour in cut):
                return 0
    return 1


if __name__ == "__main__":
    sys.exit(main())
