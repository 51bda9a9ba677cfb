#!/usr/bin/env python3
"""cut_faces.py FACES CSS_IN SITE LANG.po...: the page's fonts and the rules that choose them.

Each free face of src/shared/faces.txt is cut with fontTools to the letters the page can show
in it: the Latin letters of the names players type in Europe's languages (Latin-1 and Latin
Extended-A), the typographer's quotes, dashes and the ellipsis, and every letter of the texts
of the languages drawn in it. Each weight goes to SITE/<Face>-<Weight>.woff2; a face Debian
has in one weight only is declared in that one, and the browser makes its bold as the other
builds do. The stylesheet CSS_IN goes to SITE with the design's @font-face; each language
drawn in another face has a stylesheet of its own, SITE/languages/<code>.css, with that face's
and the rule that draws the page's texts (var(--face)) in it, which the loader links only for
that language. Those faces go into SITE/languages/ too, which the service worker keeps only
for the player's language: an English page fetches no Chinese font, nor its rules.
A letter that the cut lacks, in a name a player types, is drawn in the device's own face."""
import logging
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
from compile_catalogue import face_files, faces, read_po, write_if_changed  # noqa: E402

LATIN = [(0x20, 0x7E), (0xA0, 0x17F), (0x2013, 0x2014), (0x2018, 0x201E), (0x2026, 0x2026), (0x20AC, 0x20AC)]


def file_name(face, weight):
    return f"{face.replace(' ', '')}-{weight}.woff2"


def cut(source, letters, out):
    from fontTools import subset
    from fontTools.ttLib import TTFont
    path, _, number = source.partition("#")
    font = TTFont(path, fontNumber=int(number or 0))
    options = subset.Options()
    options.flavor = "woff2"
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=sorted(letters & set(font.getBestCmap())))
    subsetter.subset(font)
    font.flavor = "woff2"
    font.save(out)


def main(table, css_in, site, paths):
    logging.getLogger("fontTools").setLevel(logging.ERROR)
    drawn, files = faces(table), face_files(table)
    texts = {os.path.splitext(os.path.basename(p))[0]: read_po(p) for p in paths}
    rules, own = [], {}
    for face, (package, regular, bold) in files.items():
        languages = [code for code, row in drawn.items() if row[1] == face]
        letters = {c for low, high in LATIN for c in range(low, high + 1)}
        letters |= {ord(c) for code in languages for text in texts.get(code, {}).values() for c in text}
        weights = [("Regular", 400, regular)] + ([("Bold", 700, bold)] if bold != regular else [])
        folder = "" if face == drawn["en"][1] else "languages/"
        os.makedirs(os.path.join(site, folder), exist_ok=True)
        declared = []
        for weight, number, source in weights:
            cut(source, letters, os.path.join(site, folder + file_name(face, weight)))
            declared.append(f'@font-face {{\n  font-family: "{face}";\n  font-weight: {number};\n'
                            f'  src: url({file_name(face, weight)}) format("woff2");\n}}')
        if not folder:
            rules += declared
        for code in languages if folder else []:
            own[code] = "\n".join(declared + [f':lang({code.replace("_", "-")}) {{ --face: "{face}"; }}', ""])
    css = open(css_in, encoding="utf-8").read()
    write_if_changed(os.path.join(site, "brimblet.css"), css.replace("/* @FACES@ */", "\n".join(rules)))
    for code, text in own.items():
        write_if_changed(os.path.join(site, "languages", code + ".css"),
                         f"/* {code}: drawn in its own face (cut_faces.py). */\n" + text)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:])
