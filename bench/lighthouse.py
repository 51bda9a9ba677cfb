#!/usr/bin/python3
"""Lighthouse's four category scores for the browser build, served as a web host serves it, with
Lighthouse's desktop settings and with its mobile ones (a phone on a slow 4G network with a CPU
four times slower, simulated), in Debian's Chromium.

usage: lighthouse.py SITE"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

from web import PICTURES, serve

HERE = os.path.dirname(os.path.abspath(__file__))
LIGHTHOUSE = os.path.join(HERE, "node_modules", ".bin", "lighthouse")
CATEGORIES = ["performance", "accessibility", "best-practices", "seo"]
FIGURES = {"first paint": "first-contentful-paint", "largest paint": "largest-contentful-paint",
           "blocking time": "total-blocking-time", "on the wire": "total-byte-weight"}


def audit(url, preset):
    """The category scores, and the audits that cost points outside performance."""
    with tempfile.NamedTemporaryFile(suffix=".json") as report:
        subprocess.run([LIGHTHOUSE, url, "--quiet", "--output=json", f"--output-path={report.name}",
                        "--chrome-flags=--headless=new --no-sandbox --disable-gpu --no-first-run"
                        " --disable-background-networking --disable-component-update --disable-sync"]
                       + (["--preset=desktop"] if preset == "desktop" else []),
                       check=True, env=dict(os.environ, CHROME_PATH="/usr/bin/chromium"))
        result = json.load(open(report.name))
    scores = {c: round(result["categories"][c]["score"] * 100) for c in CATEGORIES}
    missed = [a for c in CATEGORIES[1:] for a in (r["id"] for r in result["categories"][c]["auditRefs"] if r["weight"])
              if result["audits"][a]["score"] is not None and result["audits"][a]["score"] < 1]
    figures = {name: result["audits"][audit]["numericValue"] for name, audit in FIGURES.items()}
    return scores, missed, figures


def shown(figures):
    return ", ".join(f"{name} {value / 1024:.0f} KiB" if name == "on the wire" else f"{name} {value / 1000:.2f} s"
                     if "paint" in name else f"{name} {value:.0f} ms" for name, value in figures.items())


def main():
    root = tempfile.mkdtemp(prefix="brimblet-lighthouse-")
    shutil.copytree(sys.argv[1], f"{root}/game")
    shutil.copytree(f"{HERE}/web-baseline", f"{root}/baseline")
    for picture in PICTURES:
        shutil.copy(f"{sys.argv[1]}/{picture}", f"{root}/baseline/{picture}")
    base, stop = serve(root)
    try:
        for preset in ("desktop", "mobile"):
            scores, missed, figures = audit(f"{base}/game/", preset)
            print(f"Lighthouse, {preset}: " + ", ".join(f"{c} {scores[c]}" for c in CATEGORIES)
                  + (f"; short of full marks: {', '.join(missed)}" if missed else "") + f"; {shown(figures)}")
            scores, _, figures = audit(f"{base}/baseline/", preset)
            print(f"  the plain page of the same pictures: performance {scores['performance']}; {shown(figures)}")
    finally:
        stop()
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    main()
