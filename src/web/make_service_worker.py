#!/usr/bin/env python3
"""Writes the site's service worker: the list of the site's files it keeps, and a version
drawn from their contents, so that every build that changes a file is a new version.

usage: make_service_worker.py TEMPLATE SITE OUT"""
import hashlib
import os
import sys


def main():
    template, site, out = sys.argv[1:4]
    names = sorted(n for n in os.listdir(site)
                   if os.path.isfile(os.path.join(site, n)) and n != os.path.basename(out))
    digest = hashlib.sha256()
    for name in names:
        digest.update(name.encode() + b"\0" + open(os.path.join(site, name), "rb").read())
    files = ", ".join(f'"./{n}"' for n in ["", *names])  # "./" is the page as first opened
    text = open(template).read().replace("@VERSION@", digest.hexdigest()[:16])
    text = text.replace("@FILES@", files)
    with open(out + ".new", "w") as f:
        f.write(text)
    os.replace(out + ".new", out)


main()
