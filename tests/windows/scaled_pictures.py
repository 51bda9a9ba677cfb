#!/usr/bin/env python3
"""Checks the real program's pictures at a whole display scale: each pixel of the board, the
die and the two counter icons is a SCALE x SCALE block of its picture file's colour, and the
counters stand on their squares at that scale (player 2's on top).

usage: scaled_pictures.py WINDOW.xwd PICTURES SCALE SQUARE1 SQUARE2 DIE_FACE [mirrored]
WINDOW.xwd is the main window's client area. Mirrored (a language read from the right), the
pictures stand at their mirrored places, each drawn as it is: the counters on the same squares.
"""
import sys

from referee import BOARD_AT, DIE_AT, read_bmp, read_xwd, square_at

COUNTER_ICONS_AT = [(286, 200), (286, 232)]


def blocks_differ(pixel, picture, left, top, scale, covered=()):
    """The picture's pixels whose block at (left, top) of the design, scaled, is not theirs."""
    wrong = []
    for y, row in enumerate(picture):
        for x, colour in enumerate(row):
            if any(cx <= x < cx + 16 and cy <= y < cy + 16 for cx, cy in covered):
                continue
            block = {pixel((left + x) * scale + dx, (top + y) * scale + dy)
                     for dy in range(scale) for dx in range(scale)}
            if block != {colour}:
                wrong.append((x, y))
    return wrong


def main():
    window, pictures, scale, square1, square2, face = sys.argv[1:7]
    mirrored = sys.argv[7:] == ["mirrored"]
    width = 514  # the client area's, at the design's scale
    scale, squares = int(scale), [int(square1), int(square2)]
    pixel = read_xwd(window)
    counters = [read_bmp(f"{pictures}/counter.bmp"), read_bmp(f"{pictures}/counter2.bmp")]
    problems = []
    at = [square_at(n) for n in squares]
    checks = [("the board", read_bmp(f"{pictures}/brimb.bmp"), BOARD_AT, at),
              (f"die face {face}", read_bmp(f"{pictures}/d{face}.bmp"), DIE_AT, ()),
              ("player 1's counter icon", counters[0], COUNTER_ICONS_AT[0], ()),
              ("player 2's counter icon", counters[1], COUNTER_ICONS_AT[1], ())]
    if mirrored:
        checks = [(name, picture, (width - left - len(picture[0]), top), covered)
                  for name, picture, (left, top), covered in checks]
    board_at = checks[0][2]
    for player in (1, 0):
        if player == 0 and squares[0] == squares[1]:
            continue  # under player 2's
        x, y = at[player]
        checks.append((f"player {player + 1}'s counter on square {squares[player]}",
                       counters[player], (board_at[0] + x, board_at[1] + y), ()))
    for name, picture, (left, top), covered in checks:
        wrong = blocks_differ(pixel, picture, left, top, scale, covered)
        if wrong:
            problems.append(f"{name}: {len(wrong)} pixels not shown as {scale} x {scale} blocks "
                            f"of their colour, first at {wrong[0]}")
    # The window's own pixels, as every build shows them: the bevel's two colours, the red.
    for (x, y, last), colour in {(8, 100, 0): (255, 255, 255), (275, 100, 1): (160, 160, 160),
                                 (100, 308, 1): (160, 160, 160), (2, 2, 0): (255, 0, 0)}.items():
        at = (x * scale + last * (scale - 1), y * scale + last * (scale - 1))
        if mirrored:  # the bevel's light and shadow mirror with the window
            at = (width * scale - 1 - at[0], at[1])
        if pixel(*at) != colour:
            problems.append(f"the window shows {pixel(*at)} at {at}, not {colour}")
    if problems:
        print("\n".join(problems), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
