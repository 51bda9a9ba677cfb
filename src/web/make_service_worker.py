#!/usr/bin/env python3
"""Writes the site's service worker: the list of the site's files it keeps for every player,
each language's own (its texts and its face, in SITE/languages/), and a version drawn from all
their contents, so that every build that changes a file is a new version.

usage: make_service_worker.py TEMPLATE SITE OUT FACES"""
import hashlib
import json
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from compile_catalogue import faces  # noqa: E402


def main():
    template, site, out, table = sys.argv[1:5]
    names = sorted(n for n in os.listdir(site)
                   if os.path.isfile(os.path.join(site, n)) and n != os.path.basename(out))
    apart = sorted(os.listdir(os.path.join(site, "languages")))
    drawn = faces(table)
    own = {code[:-3]: [f"./languages/{n}" for n in apart
                       if n in (code, code[:-3] + ".css") or n.startswith(drawn[code[:-3]][1].replace(" ", "") + "-")]
           for code in apart if code.endswith(".js")}
    digest = hashlib.sha256()
    for name in names + [f"languages/{n}" for n in apart]:
        digest.update(name.encode() + b"\0" + open(os.path.join(site, name), "rb").read())
    files = ", ".join(f'"./{n}"' for n in ["", *names])  # "./" is the page as first opened
    text = open(template).read().replace("@VERSION@", digest.hexdigest()[:16])
    text = text.replace("@FILES@", files).replace("@LANGUAGE_FILES@", json.dumps(own, sort_keys=True))
    with open(out + ".new", "w") as f:
        f.write(text)
    os.replace(out + ".new", out)


main()
