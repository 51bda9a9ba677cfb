#!/usr/bin/env python3
"""translated_transcript.py ENGLISH LANG.po OUT: the English transcript's game as a player of
LANG reads it: each line put back to its message and the default name, filled in that language."""
import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from compile_catalogue import languages  # noqa: E402

MESSAGES = ["{name} scored a : {value}", "{name}, i am sorry - your throw was too high!", "{name} wins!! Congratulations!",
            "{name} goes up the ladder......", "{name} goes down the string :-("]


def line_in(texts, line):
    for message in MESSAGES:
        pattern = "^" + re.escape(message).replace(r"\{name\}", "(Player1|Fred)").replace(r"\{value\}", "([1-6])") + "$"
        found = re.match(pattern, line)
        if found:
            name = texts["Player1"] if found.group(1) == "Player1" else "Fred"
            return texts[message].replace("{name}", name).replace("{value}", found.group(2) if found.lastindex > 1 else "")
    raise ValueError(f"not a message of the game: {line!r}")


english, po, out = sys.argv[1:4]
texts = languages([po])[0][1]  # as the programs show them
lines = [line if line.startswith("#") else line_in(texts, line) for line in open(english, encoding="utf-8").read().splitlines()]
open(out, "w", encoding="utf-8").write("\n".join(lines) + "\n")
