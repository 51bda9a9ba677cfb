#!/usr/bin/env python3
"""stand_in_faces.py FACES FOLDER: the free faces that stand in, under Wine, for the faces
Windows ships for each script (src/shared/faces.txt), as lines "Windows face=free face" for
the prefix's font replacements. Windows draws Hindi and Bengali in one face, Nirmala UI, and
no free face of Debian's has both scripts: their free faces are merged with fontTools into one
family, "Brimblet Indic", written into FOLDER (the prefix's Fonts folder)."""
import logging
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from compile_catalogue import face_files, faces  # noqa: E402


def main(table, folder):
    from fontTools.merge import Merger
    logging.getLogger("fontTools").setLevel(logging.ERROR)  # the old faces' Mac tables, dropped
    drawn, files, stand_ins = faces(table), face_files(table), {}
    for script, free, windows in drawn.values():
        if windows != drawn["en"][2] and free not in stand_ins.setdefault(windows, []):
            stand_ins[windows].append(free)
    for windows, free in sorted(stand_ins.items()):
        if len(free) > 1:
            for i, weight in enumerate(("Regular", "Bold")):  # each weight keeps the first face's
                font = Merger().merge([files[f][1 + i] for f in free])
                for record in font["name"].names:
                    if record.nameID in (1, 4, 16):  # family and full name
                        record.string = "Brimblet Indic" + ("" if record.nameID in (1, 16) else f" {weight}")
                font.save(os.path.join(folder, f"BrimbletIndic-{weight}.ttf"))
            free = ["Brimblet Indic"]
        print(f"{windows}={free[0]}")


if __name__ == "__main__":
    main(*sys.argv[1:])
