#!/usr/bin/python3
"""The browser build's figures, each beside its baseline, in one run of headless Chromium:
  - what the page loads apart from the pictures and fonts (budget 200 KB, uncompressed);
  - navigation to the board on the screen, against a plain page that fetches the same nine
    pictures and draws them with the browser's own decoder (goal: 1.2 times it at most);
  - a click on the die until the frame that shows it, over 1,000 clicks (goal: under 4 ms);
  - the page's memory after 10,000 clicks against after 10.

usage: web.py SITE [LOADS]"""
import functools
import http.server
import os
import shutil
import socket
import statistics
import subprocess
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

HERE = os.path.dirname(os.path.abspath(__file__))
PICTURES = ["brimb.bmp", "counter.bmp", "counter2.bmp"] + [f"d{v}.bmp" for v in range(1, 7)]

# Each die click's times, from the input event: its handlers done, and the next frame begun.
CLICK_TIMES = """window.clickTimes = [];
addEventListener('click', e => {
  if (!window.clickTimes || !e.target.closest || !e.target.closest('#ThrowDie')) return;
  const start = e.timeStamp, handled = performance.now();
  requestAnimationFrame(frame => clickTimes.push([handled - start, frame - start]));
});"""


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(root):
    """Serves `root` on the loopback address, as a web host would: with nginx where it is
    installed, else with Python's http.server. Returns the address and what stops it."""
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        port = s.getsockname()[1]
    if shutil.which("nginx"):
        conf = f"{root}/nginx.conf"
        open(conf, "w").write(
            ("user root; " if os.geteuid() == 0 else "") +  # its workers read the private folder
            f"daemon off; pid {root}/nginx.pid; error_log {root}/error.log; worker_processes 1;"
            "events {} http { include /etc/nginx/mime.types; access_log off;"
            # Compressed as a static host compresses: the page, style, script, module and
            # manifest; the pictures as they are.
            " gzip on; gzip_types text/css application/javascript application/wasm application/manifest+json;"
            f" server {{ listen 127.0.0.1:{port}; root {root}; }} }}")
        nginx = subprocess.Popen(["nginx", "-c", conf, "-p", root])
        time.sleep(0.5)
        print(f"server: nginx, port {port}")
        return f"http://127.0.0.1:{port}", nginx.terminate
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), functools.partial(Quiet, directory=root))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    print("server: Python's http.server")
    return f"http://127.0.0.1:{port}", server.shutdown


def browser():
    o = webdriver.ChromeOptions()
    o.binary_location = "/usr/bin/chromium"
    for a in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
              "--disable-background-networking", "--disable-component-update", "--disable-sync",
              "--window-size=900,700", "--enable-precise-memory-info"):
        o.add_argument(a)
    d = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=o)
    d.execute_cdp_cmd("Network.enable", {})
    d.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
    d.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
    d.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": CLICK_TIMES})
    return d


def shown(d, url, mark):
    d.get(url)
    for _ in range(200):
        t = d.execute_script(f"const m = performance.getEntriesByName('{mark}');"
                             " return m.length ? m[0].startTime : null;")
        if t is not None:
            return t
        time.sleep(0.02)
    sys.exit(f"{url} never showed")


def loaded_bytes(d):
    """What the page loaded apart from pictures and fonts, uncompressed, by resource."""
    return d.execute_script(
        "return [performance.getEntriesByType('navigation')[0], ...performance.getEntriesByType('resource')]"
        ".filter(e => !/\\.(bmp|woff2)$/.test(e.name)).map(e => [e.name.split('/').pop() || 'index.html', e.decodedBodySize]);")


def quantiles(values):
    values = sorted(values)
    return statistics.median(values), values[min(len(values) - 1, int(len(values) * 0.99))]


def main():
    site, loads = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 15
    root = tempfile.mkdtemp(prefix="brimblet-bench-")
    shutil.copytree(site, f"{root}/game")
    shutil.copytree(f"{HERE}/web-baseline", f"{root}/baseline")
    for picture in PICTURES:
        shutil.copy(f"{site}/{picture}", f"{root}/baseline/{picture}")
    base, stop = serve(root)
    d = browser()
    try:
        print(f"Chromium {d.capabilities['browserVersion']}, headless, cache disabled, {loads} loads each")
        shown(d, f"{base}/game/", "brimblet-shown")
        game_files = loaded_bytes(d)
        own = sorted((n, os.path.getsize(f"{site}/{n}")) for n in os.listdir(site)
                     if not n.endswith((".bmp", ".woff2")))
        shown(d, f"{base}/baseline/", "baseline-shown")
        baseline_files = loaded_bytes(d)
        print("page weight apart from pictures and fonts (uncompressed):")
        print(f"  loaded by the page: {sum(b for _, b in game_files) / 1000:.1f} KB "
              f"({', '.join(f'{n} {b / 1000:.1f}' for n, b in game_files)}); "
              f"baseline {sum(b for _, b in baseline_files) / 1000:.1f} KB")
        print(f"  the site's own files: {sum(b for _, b in own) / 1000:.1f} KB "
              f"({', '.join(f'{n} {b / 1000:.1f}' for n, b in own)})")

        times = {"game": [], "baseline": []}
        for _ in range(loads + 1):  # alternating; the first pair only warms up
            times["game"].append(shown(d, f"{base}/game/", "brimblet-shown"))
            times["baseline"].append(shown(d, f"{base}/baseline/", "baseline-shown"))
        ratios = [g / b for g, b in zip(times["game"][1:], times["baseline"][1:])]
        game, floor = statistics.median(times["game"][1:]), statistics.median(times["baseline"][1:])
        print(f"navigation to the board drawn: game {game:.1f} ms, baseline {floor:.1f} ms, "
              f"ratio {statistics.median(ratios):.2f} (median of {loads} pairs; range "
              f"{min(ratios):.2f}-{max(ratios):.2f})")

        shown(d, f"{base}/game/", "brimblet-shown")
        d.execute_script("document.getElementById('Player2').click();"
                         "document.querySelector('#TForm3 [name=Button2]').click();")
        x, y = d.execute_script("const r = document.getElementById('Image2').getBoundingClientRect();"
                                "return [r.left + r.width / 2, r.top + r.height / 2];")
        for n in range(1000):
            if n % 50 == 0:
                d.execute_script("document.getElementById('Restart').click();")
            for kind in ("mousePressed", "mouseReleased"):
                d.execute_cdp_cmd("Input.dispatchMouseEvent", {
                    "type": kind, "x": x, "y": y, "button": "left", "clickCount": 1})
            while d.execute_script("return clickTimes.length") <= n:
                time.sleep(0.001)
        clicks = d.execute_script("return clickTimes")
        handled = [c[0] for c in clicks]
        framed = [c[1] for c in clicks]
        print("a click on the die (1,000 clicks): handled in median {:.2f} ms, 99th {:.2f} ms; "
              "its frame begun at median {:.2f} ms, 99th {:.2f} ms".format(*quantiles(handled), *quantiles(framed)))
        print("  the first 100 clicks handled in median {:.2f} ms, the last 100 in {:.2f} ms".format(
            statistics.median(handled[:100]), statistics.median(handled[-100:])))

        def memory():
            d.execute_cdp_cmd("HeapProfiler.collectGarbage", {})
            heap = d.execute_cdp_cmd("Runtime.getHeapUsage", {})["usedSize"]
            dom = d.execute_cdp_cmd("Memory.getDOMCounters", {})
            return heap, d.execute_script("return wasmMemory.buffer.byteLength"), dom["nodes"], dom["jsEventListeners"]

        shown(d, f"{base}/game/", "brimblet-shown")
        throw = ("const n = arguments[0]; for (let i = 0; i < n; ++i) {"
                 " if (i % 50 === 0) document.getElementById('Restart').click();"
                 " document.getElementById('ThrowDie').click(); }")
        d.execute_script("clickTimes = null;"  # the measure keeps nothing of its own
                         "document.getElementById('Player2').click();"
                         "document.querySelector('#TForm3 [name=Button2]').click();")
        d.execute_script(throw, 10)
        after10 = memory()
        d.execute_script(throw, 9990)
        after10000 = memory()
        for label, (a, b) in zip(("JS heap", "wasm memory", "DOM nodes", "listeners"), zip(after10, after10000)):
            scale = 1024 if "heap" in label or "wasm" in label else 1
            unit = " KiB" if scale == 1024 else ""
            print(f"  {label}: after 10 clicks {a / scale:.0f}{unit}, after 10,000 {b / scale:.0f}{unit}")
    finally:
        d.quit()
        stop()
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    main()
