#!/usr/bin/env python3
"""Referee for one click of a one-player game of the real program: from the throws the log
reports, predicts with the rules written out again here what the log, the read-outs, the
counters and the die must show, and compares.

usage: referee.py STATE LOG READOUT1 READOUT2 WINDOW.xwd PICTURES NAME
STATE holds the squares before the click and is updated; LOG is the log's text with its line
breaks written as \\n; WINDOW.xwd is the main window's client area.
"""
import json
import re
import struct
import sys

JUMPS = {2: 40, 13: 30, 42: 76, 44: 63, 53: 72, 79: 51, 70: 38, 61: 28, 37: 20, 23: 8}
ROW_Y = [230, 202, 175, 148, 121, 90, 63, 35, 5]
COLUMN_X = [5, 35, 60, 90, 120, 145, 175, 200, 230]
BOARD_AT = (16, 48)  # the board picture box in the window
DIE_AT = (400, 272)


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


def read_xwd(path):
    d = open(path, "rb").read()
    f = struct.unpack_from(">25I", d)
    header, order, bpp, line, ncolors = f[0], f[7], f[11], f[12], f[19]
    base = header + ncolors * 12

    def pixel(x, y):
        at = base + y * line + x * bpp // 8
        v = int.from_bytes(d[at:at + bpp // 8], "little" if order == 0 else "big")
        return (v >> 16 & 255, v >> 8 & 255, v & 255)
    return pixel


def shows(pixel, picture, left, top):
    return all(pixel(left + x, top + y) == colour
               for y, row in enumerate(picture) for x, colour in enumerate(row))


def main():
    state_path, log, readout1, readout2, window, pictures, name = sys.argv[1:8]
    state = json.load(open(state_path))
    squares = [state["p1"], state["p2"]]
    lines = log.split("\\n")
    throws = [int(m.group(1)) for m in (re.search(r" scored a : (\d)$", l) for l in lines) if m]
    expected = []
    won = False
    last = None
    for mover, throw in enumerate(throws[:2]):
        who = name if mover == 0 else "Fred"
        expected.append(f"{who} scored a : {throw}")
        target = squares[mover] + throw
        if target > 81:
            expected.append(who + ", i am sorry - your throw was too high!")
        elif target == 81:
            expected.append(who + " wins!! Congratulations!")
            squares[mover] = 81
            won = True
        elif target in JUMPS:
            kind = " goes up the ladder......" if JUMPS[target] > target else " goes down the string :-("
            expected.append(who + kind)
            squares[mover] = JUMPS[target]
        else:
            squares[mover] = target
        last = throw
        if won:
            break
    problems = []
    # Fred answers every throw of the player's that does not win.
    wanted_throws = 1 if won and len(throws) >= 1 and squares[0] == 81 and expected[-1].startswith(name + " wins") else 2
    if lines != expected or len(throws) != wanted_throws:
        problems.append(f"log {lines!r}, the rules say {expected!r}")
    if [readout1, readout2] != [str(squares[0]), str(squares[1])]:
        problems.append(f"read-outs {readout1} {readout2}, the rules say {squares}")
    pixel = read_xwd(window)
    counters = [read_bmp(f"{pictures}/counter.bmp"), read_bmp(f"{pictures}/counter2.bmp")]
    for player in (1, 0):  # player 2's counter is on top
        if player == 0 and squares[0] == squares[1]:
            continue
        x, y = square_at(squares[player])
        if not shows(pixel, counters[player], BOARD_AT[0] + x, BOARD_AT[1] + y):
            problems.append(f"player {player + 1}'s counter is not on square {squares[player]}")
    if last is not None and not shows(pixel, read_bmp(f"{pictures}/d{last}.bmp"), *DIE_AT):
        problems.append(f"the die does not show {last}")
    if problems:
        print("\n".join(problems), file=sys.stderr)
        return 1
    json.dump({"p1": squares[0], "p2": squares[1]}, open(state_path, "w"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
