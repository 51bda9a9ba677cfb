#!/usr/bin/env python3
"""check_catalogue.py ROOT: po/brimblet.pot holds exactly the texts tools/update_pot.sh finds in
the sources today, and every language of po/LINGUAS passes msgfmt --check and translates each
of them (not fuzzy, not empty) with the same places and line breaks, in letters that both
weights of the face it is drawn in have (src/shared/faces.txt; where fontTools is at hand). Then the
translators' own checks: translate-toolkit's pofilter, whose findings must each be in the
reviewed list po/pofilter-reviewed.txt; hunspell with the language's Debian dictionary, every
word of which must be in it or in po/words/; and French, with a no-break space before : ; ! ?"""
import json
import os
import re
import subprocess
import sys
import tempfile
import unicodedata

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from compile_catalogue import face_files, faces, read_po  # noqa: E402


def msgids(pot):
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run(["msgen", "-o", folder + "/en.po", pot], check=True)
        return set(read_po(folder + "/en.po", check=False))


def letters_of_the_face(root, face):
    """The letters both files of a free face have (src/shared/faces.txt): the page's cut of the
    face keeps every letter of the languages drawn in it. None where fontTools is not at hand."""
    try:
        from fontTools.ttLib import TTFont
    except ImportError:
        return None
    cmaps = [set(TTFont(path.partition("#")[0], fontNumber=int(path.partition("#")[2] or 0)).getBestCmap())
             for path in face_files(os.path.join(root, "src", "shared", "faces.txt"))[face][1:]]
    return set.intersection(*cmaps)


# The pofilter tests that find real faults in this catalogue: places and variables, brackets,
# punctuation at the ends and the spacing around it, doubled words and spaces, untranslated,
# unchanged and blank texts, line breaks, numbers, quotes, and whitespace at either end.
POFILTER_TESTS = ["pythonbraceformat", "variables", "brackets", "endpunc", "startpunc", "puncspacing",
                  "doublespacing", "doublewords", "untranslated", "unchanged", "blank", "newlines",
                  "numbers", "startwhitespace", "endwhitespace", "doublequoting", "singlequoting",
                  "escapes", "startcaps", "xmltags", "urls", "tabs"]
# Debian's hunspell dictionary of each language (packages hunspell-de-de, hunspell-fr, ...).
DICTIONARIES = {"de": "de_DE", "es": "es_ES", "fr": "fr_FR", "it": "it_IT", "nl": "nl_NL", "pl": "pl_PL",
                "pt": "pt_PT", "pt_BR": "pt_BR", "ru": "ru_RU", "uk": "uk_UA", "el": "el_GR", "tr": "tr_TR",
                "vi": "vi_VN", "id": "id_ID", "hi": "hi_IN", "bn": "bn_BD", "ko": "ko_KR", "ar": "ar", "he": "he_IL"}
# Not Persian: Debian's one dictionary (myspell-fa) lacks even "یک" and "پنج", one and five.
# Nor Chinese, Japanese nor Urdu, for which Debian has none.


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
        # Stripped: the reviewed list cannot keep a text's spaces at either end.
        return {(language, test, english.strip()) for english, tests in po_units(out) for test in tests}


def word_list(root, name):
    path = os.path.join(root, "po", "words", name + ".txt")
    if not os.path.exists(path):
        return set()
    return {line.split("#")[0].strip() for line in open(path, encoding="utf-8")} - {""}


# The spelling a dictionary keeps where Unicode has two: Debian's Bengali one writes ড়, ঢ় and য়
# as single letters, which normalisation takes apart.
DICTIONARY_FORMS = {"bn": {"\u09a1\u09bc": "\u09dc", "\u09a2\u09bc": "\u09dd", "\u09af\u09bc": "\u09df"}}


def dictionary(folder, language, marks):
    """The language's dictionary, with the combining marks of its texts as word characters where
    it has any: hunspell would otherwise split a Hindi or Bengali word at each vowel sign."""
    name = f"/usr/share/hunspell/{DICTIONARIES[language]}"
    if marks:
        aff = open(name + ".aff", encoding="utf-8").read() + f"\nWORDCHARS {''.join(sorted(marks))}\n"
        open(os.path.join(folder, "d.aff"), "w", encoding="utf-8").write(aff)
        os.symlink(name + ".dic", os.path.join(folder, "d.dic"))
        name = os.path.join(folder, "d")
    return name


def misspelt(root, language, texts):
    """The words of a language's texts, places taken out, that neither its dictionary nor its
    word list (po/words/<language>.txt, and common.txt for every language) holds. A word is its
    letters with their marks, joined by apostrophes or hyphens."""
    words = set()
    for text in texts:
        text = "".join(c if unicodedata.category(c)[0] in "LM" or c in "'’-" else " " for c in re.sub(r"\{\w+\}", " ", text))
        words.update(w.strip("'’-") for w in text.split() if unicodedata.category(w[0])[0] == "L")
    known = word_list(root, language) | word_list(root, "common")
    for separate, joined in DICTIONARY_FORMS.get(language, {}).items():
        words, known = ({w.replace(separate, joined) for w in group} for group in (words, known))
    marks = {c for w in words for c in w if unicodedata.category(c)[0] == "M"}
    with tempfile.TemporaryDirectory() as folder:
        found = subprocess.run(["hunspell", "-d", dictionary(folder, language, marks), "-i", "utf-8", "-l"],
                               input="\n".join(sorted(words)), capture_output=True, text=True, check=True).stdout.split()
    return sorted(set(found) - known)


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
    drawn = faces(os.path.join(root, "src", "shared", "faces.txt"))
    places = lambda text: (sorted(re.findall(r"\{\w+\}", text)), text.count("\n"))  # noqa: E731
    found = {}
    for language in languages:
        translated = read_po(os.path.join(root, "po", language + ".po"))  # msgfmt --check first
        problems += [f"{language}: not translated, fuzzy, or its places or lines lost: {english!r}"
                     for english in sorted(wanted) if not translated.get(english) or places(translated[english]) != places(english)]
        face = drawn.get(language, (None, "none"))[1]
        letters = letters_of_the_face(root, face) if language in drawn else set()
        missing = sorted({c for text in translated.values() for c in text
                          if c != "\n" and unicodedata.category(c) != "Cf" and ord(c) not in letters}) if letters is not None else []
        problems += [f"{language}: letters {face} lacks: {missing}"] if missing else []
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
