#!/usr/bin/env python3
"""stand_in_faces.py FACES FOLDER: the free faces that stand in, under Wine, for the faces
Windows ships for each script (src/shared/faces.txt), as lines "Windows face=free face" for
the prefix's font replacements.

Windows draws Hindi and Bengali in one face, Nirmala UI; no free face of Debian's has both
scripts in both weights. For it, the two languages' free faces are merged with fontTools into
one family, "Brimblet Indic", written into FOLDER (the prefix's Fonts folder)."""
import logging
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from compile_catalogue import face_files, faces  # noqa: E402

MERGED = "Brimblet Indic"


def merge(paths, weight, out):
    from fontTools.merge import Merger
    font = Merger().merge(paths)
    for record in font["name"].names:
        if record.nameID in (1, 16):
            record.string = MERGED
        elif record.nameID in (4, 6):
            record.string = f"{MERGED} {weight}" if record.nameID == 4 else f"BrimbletIndic-{weight}"
        elif record.nameID in (2, 17):
            record.string = weight
    font["OS/2"].usWeightClass = 700 if weight == "Bold" else 400
    font["head"].macStyle = 1 if weight == "Bold" else 0
    font["OS/2"].fsSelection = (font["OS/2"].fsSelection & ~0b1100001) | (0b100000 if weight == "Bold" else 0b1000000)
    font.save(out)


def main(table, folder):
    logging.getLogger("fontTools").setLevel(logging.ERROR)  # the old faces' Mac tables, dropped
    drawn, files = faces(table), face_files(table)
    by_windows = {}
    for language, (script, free, windows) in drawn.items():
        by_windows.setdefault(windows, [])
        if free not in by_windows[windows]:
            by_windows[windows].append(free)
    for windows, free in sorted(by_windows.items()):
        if windows == drawn["en"][2]:
            continue  # the design's face has its own stand-in
        if len(free) > 1:
            for i, weight in enumerate(("Regular", "Bold")):
                merge([files[f][1 + i] for f in free], weight, os.path.join(folder, f"BrimbletIndic-{weight}.ttf"))
            free = [MERGED]
        print(f"{windows}={free[0]}")


if __name__ == "__main__":
    main(*sys.argv[1:])
