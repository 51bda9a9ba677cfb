#!/usr/bin/env python3
"""stand_in_faces.py FACES FOLDER: the free faces that stand in, under Wine, for the faces
Windows ships for each script (src/shared/faces.txt), as lines "Windows face=free face" for
the prefix's font replacements. Where Windows draws several scripts in one face (Nirmala UI:
Hindi and Bengali; Segoe UI: Cyrillic, Greek, Arabic and Hebrew), and no free face of Debian's
has them all, their free faces are merged with fontTools into one family, "Brimblet <face>",
written into FOLDER (the prefix's Fonts folder): each later face brings only the letters the
earlier ones lack of its languages' texts, at the first one's size of em."""
import logging
import os
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from compile_catalogue import face_files, faces, read_po  # noqa: E402

PO = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "po")


def language_systems(font):
    for tag in ("GSUB", "GPOS"):
        if tag in font and font[tag].table.ScriptList:
            for record in font[tag].table.ScriptList.ScriptRecord:
                script = record.Script
                yield from filter(None, [script.DefaultLangSys] + [r.LangSys for r in script.LangSysRecord])


def merged(paths, wanted, family, weight, folder):
    from fontTools.merge import Merger
    from fontTools.subset import Options, Subsetter
    from fontTools.ttLib import TTFont
    from fontTools.ttLib.scaleUpem import scale_upem
    parts, have, em = [], set(), None
    with tempfile.TemporaryDirectory() as work:
        for i, path in enumerate(paths):
            font = TTFont(path)
            letters = set(font.getBestCmap())
            for tag in ("MATH",):  # what a label needs not and the merge cannot join
                if tag in font:
                    del font[tag]
            if have:
                options = Options()
                options.layout_features, options.name_IDs, options.notdef_outline = ["*"], ["*"], True
                subsetter = Subsetter(options)
                subsetter.populate(unicodes=(letters & wanted[i]) - have)
                subsetter.subset(font)
            em = em or font["head"].unitsPerEm
            if font["head"].unitsPerEm != em:
                scale_upem(font, em)
            have |= letters
            for langsys in language_systems(font):  # which the merge cannot join; kept as plain
                if langsys.ReqFeatureIndex != 0xFFFF:
                    langsys.FeatureIndex.append(langsys.ReqFeatureIndex)
                    langsys.FeatureCount, langsys.ReqFeatureIndex = len(langsys.FeatureIndex), 0xFFFF
            parts.append(os.path.join(work, f"{i}.ttf"))
            font.save(parts[-1])
        font = Merger().merge(parts)
    for record in font["name"].names:
        if record.nameID in (1, 4, 16):  # family and full name
            record.string = family + ("" if record.nameID in (1, 16) else f" {weight}")
    font.save(os.path.join(folder, f"{family.replace(' ', '')}-{weight}.ttf"))


def main(table, folder):
    logging.getLogger("fontTools").setLevel(logging.ERROR)  # the old faces' Mac tables, dropped
    drawn, files, stand_ins, wanted = faces(table), face_files(table), {}, {}
    for code, (script, free, windows) in drawn.items():
        if windows != drawn["en"][2] and free not in stand_ins.setdefault(windows, []):
            stand_ins[windows].append(free)
        po = os.path.join(PO, f"{code}.po")
        if os.path.exists(po):
            wanted.setdefault(free, set()).update(ord(c) for text in read_po(po).values() for c in text)
    for windows, free in sorted(stand_ins.items()):
        if len(free) > 1:
            family = f"Brimblet {windows}"
            for i, weight in enumerate(("Regular", "Bold")):  # each weight keeps the first face's
                merged([files[f][1 + i] for f in free], [wanted.get(f, set()) for f in free], family, weight,
                       folder)
            free = [family]
        print(f"{windows}={free[0]}")


if __name__ == "__main__":
    main(*sys.argv[1:])
