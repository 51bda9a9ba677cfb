#!/usr/bin/env python3
"""check_catalogue.py ROOT: po/brimblet.pot holds exactly the texts tools/update_pot.sh finds in
the sources today, and every language of po/LINGUAS passes msgfmt --check and translates each
of them (not fuzzy, not empty) with the same places and line breaks, in letters that both
Comic Neue faces (where fontTools is at hand) and the page's cut of them have."""
import os
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from compile_catalogue import read_po  # noqa: E402


def msgids(pot):
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run(["msgen", "-o", folder + "/en.po", pot], check=True)
        return set(read_po(folder + "/en.po", check=False))


def letters_of_the_fonts(root):
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
    wanted = msgids(os.path.join(root, "po", "brimblet.pot"))
    with tempfile.TemporaryDirectory() as copy:  # the template made afresh beside the sources
        subprocess.run(["cp", "-r", root + "/tools", root + "/po", copy], check=True)
        for part in ("src", "data"):
            os.symlink(os.path.join(root, part), os.path.join(copy, part))
        subprocess.run(["sh", copy + "/tools/update_pot.sh"], check=True, capture_output=True)
        fresh = msgids(copy + "/po/brimblet.pot")
    problems = [f"brimblet.pot lacks {t!r} or still has it: run tools/update_pot.sh" for t in sorted(fresh ^ wanted)]
    languages = [w for line in open(root + "/po/LINGUAS") if not line.startswith("#") for w in line.split()]
    fonts = letters_of_the_fonts(root)
    places = lambda text: (sorted(re.findall(r"\{\w+\}", text)), text.count("\n"))  # noqa: E731
    for language in languages:
        translated = read_po(os.path.join(root, "po", language + ".po"))  # msgfmt --check first
        problems += [f"{language}: not translated, fuzzy, or its places or lines lost: {english!r}"
                     for english in sorted(wanted) if not translated.get(english) or places(translated[english]) != places(english)]
        missing = sorted({c for text in translated.values() for c in text if c != "\n" and ord(c) not in fonts})
        problems += [f"{language}: letters the fonts lack: {missing}"] if missing else []
    print("\n".join(problems) or f"{len(wanted)} texts, each translated in {', '.join(languages)}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
