#!/usr/bin/env python3
"""Compiles the translators' catalogue into the program, with no catalogue read at run time.

  compile_catalogue.py table OUT.cpp POT FACES LANG.po...  the table every build looks its texts up in,
                                                     with each language's script and faces
  compile_catalogue.py table-apart OUT.cpp POT FACES LANG.po...  the same with English's texts alone,
                                                     for the page, which fetches the others'
  compile_catalogue.py languages FOLDER POT LOADER LANG.po...  the page's script of each language's
                                                     texts, FOLDER/<code>.js: the program's, and
                                                     the loader's (its T("...") texts)
  compile_catalogue.py loader IN.js OUT.js FACES LANG.po...  the page loader, with the languages'
                                                     codes, and those with a face of their own
  compile_catalogue.py page IN.html OUT.html LANG.po... the page, its <noscript> text in every language

Each PO file is checked and compiled by msgfmt first, so a file msgfmt refuses fails the build,
and fuzzy or untranslated entries fall back to English as gettext's own do."""
import gettext
import html
import json
import os
import re
import subprocess
import sys
import tempfile


def read_po(path, check=True):
    """{english: text} of one PO file, as msgfmt compiles it (checked first, unless `check` is
    false: a template's English copy has no translator's header)."""
    with tempfile.TemporaryDirectory() as folder:
        mo = os.path.join(folder, "out.mo")
        subprocess.run(["msgfmt"] + (["--check"] if check else []) + ["-o", mo, path], check=True)
        with open(mo, "rb") as f:
            catalogue = gettext.GNUTranslations(f)._catalog
    return {k: v for k, v in catalogue.items() if k and isinstance(k, str)}


# The scripts written right to left (ISO 15924), and Unicode's right-to-left, first-strong and
# pop isolates.
RIGHT_TO_LEFT = {"Arab", "Hebr"}
RIGHT_TO_LEFT_ISOLATE, ISOLATE, POP = "\u2067", "\u2068", "\u2069"
FACES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "shared", "faces.txt")


def isolated(code, texts):
    """A right-to-left language's texts with each place between isolates: a Latin name or a
    number keeps its own order and its place in the sentence, its punctuation with it. Each
    line is a right-to-left isolate itself, so that it reads from the right wherever it is
    drawn, also by a control that sets every paragraph left to right (Wine's)."""
    if faces(FACES).get(code, ("Latn",))[0] not in RIGHT_TO_LEFT:
        return texts
    places = {k: re.sub(r"\{\w+\}", lambda m: ISOLATE + m.group(0) + POP, v) for k, v in texts.items()}
    return {k: "\n".join(RIGHT_TO_LEFT_ISOLATE + line + POP if line.strip() else line for line in v.split("\n"))
            for k, v in places.items()}


def languages(paths):
    """[(code, {English: text})] of PO files, as the programs show them."""
    codes = [(os.path.splitext(os.path.basename(p))[0], p) for p in sorted(paths)]
    return [(code, isolated(code, read_po(p))) for code, p in codes]


def program_texts(pot):
    """The texts of a template that the programs look up: not those only the menu entry, the
    AppStream metadata (data/) or the page's loader (which has its own) hold."""
    wanted, places, msgid, reading = set(), [], None, False
    for line in open(pot, encoding="utf-8").read().splitlines() + [""]:
        if line.startswith("#:"):
            places += line[2:].split()
        elif line.startswith("msgid "):
            msgid, reading = json.loads(line[6:]), True
        elif line.startswith('"') and reading:
            msgid += json.loads(line)
        elif line.startswith("msgstr") or not line:
            if msgid and any(not (p.startswith("data/") or p.startswith("src/web/loader.js")) for p in places):
                wanted.add(msgid)
            if not line:
                places, msgid = [], None
            reading = False
    return wanted


def c_string(text):
    out = '"'
    for byte in text.encode("utf-8"):
        ch = chr(byte)
        if ch in '"\\':
            out += "\\" + ch
        elif 0x20 <= byte < 0x7F and ch != "?":  # "?" would start trigraphs in older modes
            out += ch
        else:
            out += f"\\{byte:03o}"
    return out + '"'


def faces(path):
    """{language: (script, free face, Windows face)} of the faces table (src/shared/faces.txt)."""
    return {row[0]: tuple(row[1:]) for row in face_rows(path, "")}


def face_files(path):
    """{free face: (Debian package, regular file, bold file)} of the faces table."""
    return {row[0]: tuple(row[1:]) for row in face_rows(path, "@")}


def face_rows(path, mark):
    rows = [line[len(mark):].split("|") for line in open(path, encoding="utf-8")
            if line.strip() and not line.startswith("#") and line.startswith("@") == (mark == "@")]
    return [[part.strip() for part in row] for row in rows]


def c_faces(row):
    return "{" + ", ".join(c_string(part) for part in row) + "}"


def table(out, pot, faces_path, paths, apart=False):
    lines = ['// Made by tools/compile_catalogue.py from po/*.po and src/shared/faces.txt at build time.',
             '#include "Catalogue.h"', '', 'namespace brimblet {', '', 'namespace {']
    wanted = program_texts(pot)
    drawn = faces(faces_path)
    lacking = sorted({os.path.splitext(os.path.basename(p))[0] for p in paths} - set(drawn))
    if lacking or "en" not in drawn:
        sys.exit(f"{faces_path}: no row for {', '.join(lacking) or 'en'}")
    found = [(code, {k: v for k, v in texts.items() if k in wanted}) for code, texts in languages(paths)]
    for code, texts in ([] if apart else found):
        lines.append(f"constexpr CatalogueEntry k_{code}[] = {{")
        for english in sorted(texts, key=lambda t: t.encode("utf-8")):
            lines.append(f"    {{{c_string(english)}, {c_string(texts[english])}}},")
        lines.append("};")
    lines += ["}  // namespace", "", "const CatalogueLanguage kCatalogueLanguages[] = {"]
    entries = (lambda code: "nullptr, 0") if apart else (lambda code: f"k_{code}, sizeof k_{code} / sizeof k_{code}[0]")
    lines += [f'    {{"{code}", {entries(code)}, {c_faces(drawn[code])}}},' for code, _ in found]
    lines += ["};", f"const std::size_t kCatalogueLanguageCount = {len(found)};",
              f"const LanguageFaces kEnglishFaces = {c_faces(drawn['en'])};", "", "}  // namespace brimblet", ""]
    write_if_changed(out, "\n".join(lines))


def loader_texts(source):
    script = open(source, encoding="utf-8").read()
    # T("text") and T("text with {places}", {places}): every text the loader shows.
    return set(json.loads('"' + m + '"') for m in re.findall(r'\bT\("((?:[^"\\]|\\.)*)"[,)]', script))


def loader(source, out, faces_path, paths):
    codes = [os.path.splitext(os.path.basename(p))[0] for p in sorted(paths)]
    drawn = faces(faces_path)
    own = [code for code in codes if drawn[code][1] != drawn["en"][1]]
    script = open(source, encoding="utf-8").read().replace("@LANGUAGES@", json.dumps(codes))
    script = script.replace("@OWN_FACES@", json.dumps(own))
    script = script.replace("@RIGHT_TO_LEFT@", json.dumps([c for c in codes if drawn[c][0] in RIGHT_TO_LEFT]))
    # All in ASCII, as escapes, so that the script reads the same whatever the page's encoding.
    write_if_changed(out, "".join(c if ord(c) < 0x80 else f"\\u{ord(c):04x}" for c in script))


def texts_files(folder, pot, source, paths):
    """Each language's texts as the page fetches them, FOLDER/<code>.js, a script that hands
    them to the loader and the program: the program's texts and the loader's own. In ASCII, as
    escapes, so that it reads the same whatever the host says of its encoding."""
    wanted = program_texts(pot) | loader_texts(source)
    os.makedirs(folder, exist_ok=True)
    for code, found in languages(paths):
        texts = {k: v for k, v in found.items() if k in wanted}
        write_if_changed(os.path.join(folder, code + ".js"), "// Made by tools/compile_catalogue.py from po/"
                         f"{code}.po.\nself.brimbletTexts = {json.dumps({'code': code, 'texts': texts}, sort_keys=True)};\n")


def page(source, out, paths):
    """A page without scripts cannot ask for the player's languages, so what it says then is
    said in all of them, each marked with its own, English first."""
    text = open(source, encoding="utf-8").read()
    start, end = text.index("<noscript>") + len("<noscript>"), text.index("</noscript>")
    english = text[start:end]
    said = [f"<p>{english}</p>"] + [f'<p lang="{code.replace("_", "-")}">{html.escape(found[english])}</p>'
                                    for code, found in languages(paths) if found.get(english)]
    write_if_changed(out, text[:start] + "".join(said) + text[end:])


def write_if_changed(path, text):
    if os.path.exists(path) and open(path, encoding="utf-8").read() == text:
        return
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    if sys.argv[1] in ("table", "table-apart"):
        table(sys.argv[2], sys.argv[3], sys.argv[4], sys.argv[5:], apart=sys.argv[1] == "table-apart")
    elif sys.argv[1] == "languages":
        texts_files(sys.argv[2], sys.argv[3], sys.argv[4], sys.argv[5:])
    elif sys.argv[1] == "page":
        page(sys.argv[2], sys.argv[3], sys.argv[4:])
    else:
        loader(sys.argv[2], sys.argv[3], sys.argv[4], sys.argv[5:])
