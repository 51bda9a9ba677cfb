#!/usr/bin/env python3
"""check_catalogue.py ROOT: the translators' catalogue is whole and current.

- msgfmt --check passes for every language of po/LINGUAS;
- po/brimblet.pot holds exactly the texts tools/update_pot.sh finds in the sources today;
- every text of the template is translated in every language, none fuzzy, none left empty,
  each with the same places ({name}, {file}...) and, where the English has line breaks, as many;
- every letter of every translation is in the letters the page's fonts are cut to, and (where
  fontTools is at hand) in both Comic Neue faces the windows use."""
import os
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools"))
from compile_catalogue import read_po  # noqa: E402


def msgids(pot):
    """The English texts of a template, through msgen (each text its own translation)."""
    with tempfile.TemporaryDirectory() as folder:
        english = os.path.join(folder, "en.po")
        subprocess.run(["msgen", "-o", english, pot], check=True)
        return set(read_po(english, check=False))


def letters_of_the_fonts(root):
    """The code points the page's fonts keep (font_letters in src/web/CMakeLists.txt), and of
    those, where fontTools is at hand, the ones both Comic Neue faces have."""
    cmake = open(os.path.join(root, "src", "web", "CMakeLists.txt")).read()
    kept = set()
    for r in re.search(r'set\(font_letters "([^"]+)"\)', cmake).group(1).replace("U+", "").split(","):
        low, _, high = r.partition("-")
        kept.update(range(int(low, 16), int(high or low, 16) + 1))
    try:
        from fontTools.ttLib import TTFont
        for weight in ("Regular", "Bold"):
            kept &= set(TTFont(f"/usr/share/fonts/opentype/comic-neue/ComicNeue-{weight}.otf").getBestCmap())
    except (ImportError, OSError):
        pass
    return kept


def main(root):
    root = os.path.abspath(root)
    problems = []
    pot = os.path.join(root, "po", "brimblet.pot")
    wanted = msgids(pot)
    with tempfile.TemporaryDirectory() as copy:
        subprocess.run(["cp", "-r", os.path.join(root, "tools"), os.path.join(root, "po"), copy], check=True)
        for part in ("src", "data"):
            os.symlink(os.path.join(root, part), os.path.join(copy, part))
        made = subprocess.run(["sh", os.path.join(copy, "tools", "update_pot.sh")], capture_output=True, text=True)
        if made.returncode != 0:
            print(made.stderr)
            return 1
        fresh = msgids(os.path.join(copy, "po", "brimblet.pot"))
    for text in sorted(fresh - wanted):
        problems.append(f"brimblet.pot lacks {text!r}: run tools/update_pot.sh")
    for text in sorted(wanted - fresh):
        problems.append(f"brimblet.pot still has {text!r}, which no source holds: run tools/update_pot.sh")
    lines = open(os.path.join(root, "po", "LINGUAS")).read().splitlines()
    languages = [w for line in lines if not line.startswith("#") for w in line.split()]
    fonts = letters_of_the_fonts(root)
    for language in languages:
        translated = read_po(os.path.join(root, "po", language + ".po"))  # msgfmt --check first
        letters = {c for text in translated.values() for c in text if c not in "\n"}
        missing = sorted(c for c in letters if ord(c) not in fonts)
        if missing:
            problems.append(f"{language}: letters the fonts lack: {missing}")
        for english in sorted(wanted):
            text = translated.get(english, "")
            if not text:
                problems.append(f"{language}: not translated (or fuzzy): {english!r}")
            elif sorted(re.findall(r"\{\w+\}", text)) != sorted(re.findall(r"\{\w+\}", english)):
                problems.append(f"{language}: the places of {english!r} are not kept in {text!r}")
            elif text.count("\n") != english.count("\n"):
                problems.append(f"{language}: {english!r} has {english.count(chr(10))} line breaks, {text!r} another number")
    print("\n".join(problems) or f"{len(wanted)} texts, each translated in {', '.join(languages)}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
