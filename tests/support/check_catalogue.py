#!/usr/bin/env python3
"""check_catalogue.py ROOT: po/brimblet.pot holds exactly the texts tools/update_pot.sh finds in
the sources today, and every language of po/LINGUAS passes msgfmt --check and translates each
of them (not fuzzy, not empty) with the same places and line breaks, in letters that both
Comic Neue faces (where fontTools is at hand) and the page's cut of them have. Then the
translators' own checks: translate-toolkit's pofilter, whose findings must each be in the
reviewed list po/pofilter-reviewed.txt; hunspell with the language's Debian dictionary, every
word of which must be in it or in po/words/; and French, with a no-break space before : ; ! ?"""
import json
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


# The pofilter tests that find real faults in this catalogue: places and variables, brackets,
# punctuation at the ends and the spacing around it, doubled words and spaces, untranslated,
# unchanged and blank texts, line breaks, numbers, quotes, and whitespace at either end.
POFILTER_TESTS = ["pythonbraceformat", "variables", "brackets", "endpunc", "startpunc", "puncspacing",
                  "doublespacing", "doublewords", "untranslated", "unchanged", "blank", "newlines",
                  "numbers", "startwhitespace", "endwhitespace", "doublequoting", "singlequoting",
                  "escapes", "startcaps", "xmltags", "urls", "tabs"]
# Debian's hunspell dictionary of each language (packages hunspell-de-de, hunspell-fr, ...).
DICTIONARIES = {"de": "de_DE", "es": "es_ES", "fr": "fr_FR", "it": "it_IT", "nl": "nl_NL", "pl": "pl_PL",
                "pt": "pt_PT"}


def po_units(path):
    """[(msgid, [pofilter test, ...])] of a PO file that pofilter wrote."""
    units = []
    for block in open(path, encoding="utf-8").read().split("\n\n"):
        tests = re.findall(r"^# \(pofilter\) (\w+):", block, re.M)
        msgid = re.search(r'^msgid ((?:".*"\n?)+)', block, re.M)
        if tests and msgid:
            text = "".join(json.loads(part) for part in re.findall(r'".*"', msgid.group(1)))
            units.append((text, tests))
    return units


def reviewed_findings(root):
    """{(language, test, English text)}: the findings a reviewer dismissed, each with a reason."""
    kept = set()
    for line in open(os.path.join(root, "po", "pofilter-reviewed.txt"), encoding="utf-8"):
        if line.strip() and not line.startswith("#"):
            language, test, english, reason = [part.strip() for part in line.split(" | ")]
            assert reason, f"pofilter-reviewed.txt: no reason given for {english!r}"
            kept.add((language, test, english.replace("\\n", "\n")))
    return kept


def pofilter_findings(root, language):
    """{(language, test, English text)} that pofilter finds in a language."""
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, "found.po")
        command = ["pofilter", "--nofuzzy", "--gnome", f"--language={language.split('_')[0]}",
                   "-i", os.path.join(root, "po", language + ".po"), "-o", out]
        subprocess.run(command + [f"--test={test}" for test in POFILTER_TESTS], check=True, capture_output=True)
        return {(language, test, english) for english, tests in po_units(out) for test in tests}


def word_list(root, name):
    path = os.path.join(root, "po", "words", name + ".txt")
    if not os.path.exists(path):
        return set()
    return {line.split("#")[0].strip() for line in open(path, encoding="utf-8")} - {""}


def misspelt(root, language, texts):
    """The words of a language's texts, places taken out, that neither its dictionary nor its
    word list (po/words/<language>.txt, and common.txt for every language) holds."""
    words = {w for text in texts for w in re.findall(r"[^\W\d_]+(?:['’-][^\W\d_]+)*", re.sub(r"\{\w+\}", " ", text))}
    found = subprocess.run(["hunspell", "-d", DICTIONARIES[language], "-i", "utf-8", "-l"], input="\n".join(sorted(words)),
                           capture_output=True, text=True, check=True).stdout.split()
    return sorted(set(found) - word_list(root, language) - word_list(root, "common"))


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
    found = {}
    for language in languages:
        translated = read_po(os.path.join(root, "po", language + ".po"))  # msgfmt --check first
        problems += [f"{language}: not translated, fuzzy, or its places or lines lost: {english!r}"
                     for english in sorted(wanted) if not translated.get(english) or places(translated[english]) != places(english)]
        missing = sorted({c for text in translated.values() for c in text if c != "\n" and ord(c) not in fonts})
        problems += [f"{language}: letters the fonts lack: {missing}"] if missing else []
        if language.startswith("fr"):  # «gagne !» may not start a line with «!»
            problems += [f"{language}: an ordinary space before punctuation, where a no-break space belongs: {text!r}"
                         for text in translated.values() if re.search(r" [:;!?]", text)]
        if language in DICTIONARIES:
            problems += [f"{language}: not in the dictionary nor in po/words/{language}.txt: {word}"
                         for word in misspelt(root, language, translated.values())]
        found[language] = pofilter_findings(root, language)
    # A reviewed finding holds for one language, or for every language ("*").
    reviewed, findings = reviewed_findings(root), set().union(*found.values())
    problems += [f"{language}: pofilter {test}, not in po/pofilter-reviewed.txt: {english!r}"
                 for language, test, english in sorted(findings)
                 if not {(language, test, english), ("*", test, english)} & reviewed]
    problems += [f"po/pofilter-reviewed.txt: pofilter no longer finds {test} in {language} for {english!r}"
                 for language, test, english in sorted(reviewed)
                 if not any(f[1:] == (test, english) and language in ("*", f[0]) for f in findings)]
    print("\n".join(problems) or f"{len(wanted)} texts, each translated in {', '.join(languages)}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
