#!/usr/bin/python3
"""Plays the built site in Chromium, Firefox or WebKit (engines.py) as players would, each click
checked against the rules written out again (Model), the browser's clock fixed from outside the
page; the host made slow, hanging, failing or missing files.
usage: play.py chromium|firefox|webkit SITE TRANSCRIPT [one-player | two-players | broken-files | LANGUAGE]...
A LANGUAGE ("de") plays the transcript of that language, which CMake makes beside SITE's
folder (transcripts/), in a browser set to that language (BRIMBLET_BROWSER_LANGUAGE, which engines.py reads)."""
import base64
import functools
import http.server
import io
import json
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request

from PIL import Image

from engines import ENGINES, first_script

HERE = os.path.dirname(os.path.abspath(__file__))
AXE = os.path.join(HERE, "..", "..", "node_modules", "axe-core", "axe.min.js")
sys.path.insert(0, os.path.join(HERE, "..", "windows"))  # the board as the Windows referee sees it
from referee import JUMPS, read_bmp, square_at  # noqa: E402
sys.path.insert(0, os.path.join(HERE, "..", "support"))
from layout_record import differences, from_listing, read_record  # noqa: E402
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
from compile_catalogue import RIGHT_TO_LEFT, faces, languages  # noqa: E402

# The page's clock as the desktop builds' tests script theirs: each reading takes the next of the
# times pushed (ms after midnight UTC), and the last is read again until another is pushed.
CLOCK = """(() => {
  const RealDate = Date, midnight = RealDate.UTC(2026, 11, 8), readings = [];
  let reads = 0;
  const now = () => { reads++; return midnight + (readings.length > 1 ? readings.shift() : readings[0] || 0); };
  class FixedDate extends RealDate {
    constructor(...a) { if (a.length) super(...a); else super(now()); }
    static now() { return now(); }
  }
  window.Date = FixedDate;
  window.testClock = { push: ms => readings.push(ms), reads: () => reads, real: RealDate };
  // A page opened with ?languages=ja-JP,de is told those are the player's languages.
  const listed = new URLSearchParams(location.search).get("languages");
  if (listed) {
    Object.defineProperty(Navigator.prototype, "languages", { get: () => listed.split(",") });
    Object.defineProperty(Navigator.prototype, "language", { get: () => listed.split(",")[0] });
  }
})();"""

# The page's state as one object: the log's lines, the read-outs, the labels and the windows.
STATE = """const t = id => document.getElementById(id), lines = t('Memo1').textContent.split('\\n');
if (lines[lines.length - 1] === '') lines.pop();
return {log: lines, p1: t('position1').textContent, p2: t('position2').textContent,
        labels: [t('Label2').textContent, t('Label3').textContent],
        form1: !t('TForm1').hidden, form2: !t('TForm2').hidden, form3: !t('TForm3').hidden,
        error: t('ErrorBox').hidden ? null : t('ErrorBoxText').textContent,
        focus: document.activeElement.name || document.activeElement.id, reads: testClock.reads()};"""

PIXELS = """const c = document.getElementById(arguments[0]);
const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
let s = '';
for (let i = 0; i < d.length; i += 4) s += String.fromCharCode(d[i], d[i + 1], d[i + 2]);
return [c.width, c.height, btoa(s)];"""

RECT = "const r = document.querySelector(arguments[0]).getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom];"


# Each window's client size and its controls' places in it, by their design names.
RECTS = """const box = e => e.getBoundingClientRect(), windows = {
  TForm1: [document.getElementById('TForm1'), '[id]:not(#ThrowDie)', e => e.id],
  TForm2: [document.querySelector('#TForm2 .client'), '[name], label', e => e.classList[0]],
  TForm3: [document.querySelector('#TForm3 .client'), '[name], label', e => e.classList[0]]};
return Object.fromEntries(Object.entries(windows).map(([name, [client, controls, named]]) => {
  const c = box(client);
  return [name, [[c.width, c.height], [...client.querySelectorAll(controls)].map(e => {
    const r = box(e), text = document.createRange();
    text.selectNodeContents(e);
    return [named(e), r.left - c.left, r.top - c.top, r.width, r.height, text.getBoundingClientRect().width]; })]];
}));"""


class Model:
    """The rules, written out again: what each click must show."""

    def __init__(self, first=1000, step=7919):  # the transcript's clock
        self.next_push, self.step, self.readings, self.seed = first, step, [], 0
        self.pos, self.turn, self.mode, self.active = {1: 1, 2: 1}, 1, 1, False
        self.names = {"one": "Player1", "first": "Player1", "second": "Player2"}
        self.log = ["Welcome to ", "Brimblet.", "Please choose the number ", "of players:"]
        self.face, self.throws = None, 0

    def name(self):
        return [[self.names["one"], "Fred"], [self.names["first"], self.names["second"]]][self.mode - 1][self.turn - 1]

    def throw(self, bound, human):
        self.seed = self.readings.pop(0) if len(self.readings) > 1 else self.readings[0]
        self.throws += 1

        def uniform(n):  # the game's one 32-bit linear congruential generator
            self.seed = (self.seed * 134775813 + 1) & 0xFFFFFFFF
            return n * self.seed >> 32
        for _ in range(uniform(bound) + 1):
            self.face = uniform(6) + 1
        line = f"{self.name()} scored a : {self.face}"
        self.log = [line] if human and self.turn == 1 else self.log + [line]
        target, outcome = self.pos[self.turn] + self.face, None
        if target > 81:
            outcome = ", i am sorry - your throw was too high!"
        elif target == 81:
            self.active, outcome = False, " wins!! Congratulations!"
        elif target in JUMPS:
            outcome = " goes up the ladder......" if JUMPS[target] > target else " goes down the string :-("
        self.pos[self.turn] = self.pos[self.turn] if target > 81 else JUMPS.get(target, target)
        self.log += [self.name() + outcome] if outcome else []
        self.turn = 2 if self.turn == 1 else 1

    def click(self, page):
        """Pushes the readings a click may take, here and in the page; returns its prediction."""
        pair = [self.next_push, self.next_push + self.step]
        self.next_push += 2 * self.step
        self.readings += pair
        page.js(f"testClock.push({pair[0]}); testClock.push({pair[1]})")
        return self.resolve

    def resolve(self):
        if self.active:
            self.throw(10, True)
            if self.mode == 1 and self.active:
                self.throw(15, False)

    def choose(self, mode, log=None):
        self.mode, self.active = mode, True
        self.log = log or self.log

    def restart(self):
        self.pos, self.turn, self.active = {1: 1, 2: 1}, 1, True
        self.log = ["Press one of the buttons for different players."]


class Quiet(http.server.SimpleHTTPRequestHandler):
    log_message = lambda *args: None  # noqa: E731

    def handle(self):  # the host as the test makes it: up, down (cut at once), hanging, or failing
        mode = getattr(self.server, "mode", "up")
        while mode == "hang" and self.server.mode == "hang":
            time.sleep(0.1)
        if mode == "up":
            super().handle()
        elif mode == "503":
            self.raw_requestline = self.rfile.readline()
            self.parse_request()
            self.send_error(503)


class Site:
    """The built site served on the loopback address from a folder of copies, each made ready
    for the engine that plays it."""

    def __init__(self, site, engine):
        self.site, self.engine, self.root = site, engine, tempfile.mkdtemp(prefix="brimblet-web-")
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=self.root))
        self.server.handle_error = lambda *args: None  # a load the browser gave up on
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def copy(self, name, change=lambda folder: None):  # the site as name/, with a change made
        folder = os.path.join(self.root, name)
        shutil.copytree(self.site, folder)
        change(folder)
        self.engine.prepare(folder)
        return f"http://127.0.0.1:{self.server.server_address[1]}/{name}/"

    def close(self):
        self.server.shutdown()
        shutil.rmtree(self.root, ignore_errors=True)


def check(condition, what):
    if not condition:
        raise AssertionError(what)


def check_state(page, model, what):
    s = page.js(STATE)
    check([s["log"], s["p1"], s["p2"], s["reads"]] == [model.log, str(model.pos[1]), str(model.pos[2]), model.throws],
          f"{page.name}, {what}: log, read-outs and clock readings {s}, the rules say {model.log} {model.pos} {model.throws}")
    return s


def restart_and_throw(page, model, what):  # the game plays on
    page.click("#Restart")
    model.restart()
    then = model.click(page)
    page.click("#Image2")
    then()
    check_state(page, model, f"{what}: a throw")


def check_axe(page, state):
    """No violation of WCAG 2.2 A and AA, nor of axe's best practices."""
    if not page.axe:
        return
    # axe loaded and run on the browser's own clock, not the game's
    page.js("const fixed = Date; Date = testClock.real; try {\n" + open(AXE).read() + "\n} finally { Date = fixed; }")
    found = page.js_async("const fixed = Date; Date = testClock.real; return axe.run(document, {runOnly: {type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a',"
                          " 'wcag21aa', 'wcag22aa', 'best-practice']}}).then(r => r.violations.map(v =>"
                          " v.id + ' ' + v.nodes.map(n => n.target.join(' ')).join(', '))).finally(() => { Date = fixed; });")
    check(found == [], f"{page.name}, {state}: axe finds {found}")


def pixels(page, canvas):
    width, height, data = page.js(PIXELS, canvas)
    rgb = base64.b64decode(data)
    return width, height, lambda x, y: tuple(rgb[3 * (y * width + x):3 * (y * width + x) + 3])


def shown_pictures(pictures, model, counters=True):  # the board with both counters, the last face
    board = read_bmp(f"{pictures}/brimb.bmp")
    for player, file in ((1, "counter.bmp"), (2, "counter2.bmp")) if counters else ():
        x0, y0 = square_at(model.pos[player])
        for y, row in enumerate(read_bmp(f"{pictures}/{file}")):
            board[y0 + y][x0:x0 + len(row)] = row
    return {"Image1": board, "Image2": read_bmp(f"{pictures}/d{model.face or 1}.bmp")}


def check_pictures(page, pictures, model, counters=True):
    """Each canvas holds the display's pixels where the player sees it, and each of them shows
    the picture pixel it lies in. Hit-testing knows the edges to a pixel of the page (Chromium
    counts both edges in), so the canvas may differ from the seen box by that and one more."""
    ratio = page.js("return devicePixelRatio")
    for canvas, picture in shown_pictures(pictures, model, counters).items():
        width, height, pixel = pixels(page, canvas)
        left, top, right, bottom = page.seen("#" + canvas)
        check(abs(width - (right - left) * ratio) <= ratio + 1 and abs(height - (bottom - top) * ratio) <= ratio + 1,
              f"{page.name}: {canvas} holds {width} x {height} pixels, shown on {(right - left) * ratio:.1f} x "
              f"{(bottom - top) * ratio:.1f} of the display's")
        rows, columns = len(picture), len(picture[0])
        wrong = sum(pixel(x, y) != picture[y * rows // height][x * columns // width]
                    for y in range(height) for x in range(width))
        check(wrong == 0, f"{page.name}: {wrong} pixels of {canvas} ({width} x {height}) are off at {model.pos}")


def check_screen(page, pictures, model, width, height, ratio):
    """The design whole and centred; the screen shows the pictures doubled at 2, only their colours at others."""
    page.resize(width, height, ratio)
    scale = min(width / 514, height / 316)
    page.wait(f"Math.abs(t('TForm1').getBoundingClientRect().width - {514 * scale}) < 1")
    left, top, right, bottom = page.js(RECT, "#TForm1")
    check(abs(right - left - 514 * scale) < 1 and abs(left + right - width) < 2 and abs(top + bottom - height) < 2,
          f"{width} x {height}: the window is at {left, top, right, bottom}, not centred at scale {scale:.2f}")
    check_pictures(page, pictures, model)
    data = page.cdp("Page.captureScreenshot", format="png")["data"]
    shot = Image.open(io.BytesIO(base64.b64decode(data))).convert("RGB")
    for canvas, picture in shown_pictures(pictures, model).items():
        x0, y0, x1, y1, e = *(round(v * ratio) for v in page.js(RECT, "#" + canvas)), int(ratio == 2 and scale == 1)
        colours = {c for row in picture for c in row}
        wrong = sum((shot.getpixel((x, y)) != picture[(y - y0) // 2][(x - x0) // 2]) if e else shot.getpixel((x, y)) not in colours
                    for y in range(y0 + 1 - e, y1 - 1 + e) for x in range(x0 + 1 - e, x1 - 1 + e))
        check(wrong == 0, f"ratio {ratio}: {wrong} screen pixels of {canvas} are off")
    if ratio == 2 and scale == 1:  # the bevel's two colours, the red, a counter icon's spare column: as the desktops show them
        at = {(8, 100): (255, 255, 255), (275, 100): (160, 160, 160), (100, 308): (160, 160, 160), (2, 2): (255, 0, 0),
              (302, 205): (255, 0, 0)}
        got = {p: shot.getpixel((round(left * 2) + 2 * p[0] + 1, round(top * 2) + 2 * p[1] + 1)) for p in at}
        check(got == at, f"the window's own pixels are {got}")


def accessibility_tree(page):  # as a screen reader gets it: role, name, description, state
    value = lambda n, k: (n.get(k) or {}).get("value")
    return [dict(role=value(n, "role"), name=value(n, "name"), description=value(n, "description"),
                 node=n.get("backendDOMNodeId"), **{p["name"]: p["value"].get("value") for p in n.get("properties", [])})
            for n in page.cdp("Accessibility.getFullAXTree")["nodes"] if not n.get("ignored")]


def check_layout(page, mirrored=False):
    """The three windows' controls where the record of the design puts them, or its mirror image."""
    found = differences(read_record(os.path.join(HERE, "..", "data", "layout.txt")), from_listing(page.js(RECTS)), mirrored)
    check(not found, "the windows differ from the layout record:\n  " + "\n  ".join(found))


def check_page_rules(page, url):
    """No drag pulls the page to reload. In Chromium the home screens' icons are PNGs of their
    stated sizes, the maskable one's picture within the central 80 % every launcher's mask keeps."""
    rule = page.js("return [document.documentElement, document.body].map(e => getComputedStyle(e).overscrollBehaviorY)")
    check(rule == ["none", "none"], f"{page.name}: overscroll-behavior is {rule}")
    manifest = json.loads(urllib.request.urlopen(url + "brimblet.webmanifest").read()) if page.devtools else {"icons": []}
    touch = [{"src": page.js("return document.querySelector('link[rel=apple-touch-icon]').getAttribute('href')"), "sizes": "180x180"}]
    check(not page.devtools or manifest.get("id") and any(i.get("purpose") == "maskable" for i in manifest["icons"]), f"{manifest}")
    for icon in manifest["icons"] + touch * page.devtools:
        picture = Image.open(io.BytesIO(urllib.request.urlopen(url + icon["src"]).read()))
        rgb, (w, h) = picture.convert("RGB"), picture.size
        outside = [(x, y) for y in range(0, h, 2) for x in range(0, w, 2) if icon.get("purpose") == "maskable" and
                   rgb.getpixel((x, y)) != rgb.getpixel((0, 0)) and (x - w / 2) ** 2 + (y - h / 2) ** 2 > (0.4 * w) ** 2]
        check(picture.format == "PNG" and f"{w}x{h}" == icon["sizes"] and not outside, f"{icon}: {picture.format} {w}x{h}, {outside[:3]}")


def one_player(page, site, pictures, transcript):
    """The page as it opens, also to a screen reader and to axe; the desktop builds' transcript
    game by mouse, key T and (Chromium) a screen reader's press, the pictures checked at pixel
    ratios and zooms. In Chromium, offline, followed by the requests, the storage, the page's
    policy and a new build kept from then on."""
    url = site.copy("site")
    page.resize(514, 316, 2) if page.devtools else page.resize(900, 760)  # zoomed by 1.75
    page.open(url)
    model = Model()
    s = check_state(page, model, "start")
    check(s["form1"] and not s["form2"] and not s["form3"] and s["focus"] == "Player1", f"start: {s}")
    check_axe(page, "the page as it opens")
    check_page_rules(page, url)
    page.key("Shift+Tab")
    order = [page.js(STATE)["focus"]] + [page.key("Tab") or page.js(STATE)["focus"] for _ in range(3)]
    check(order == ["Memo1", "Player1", "Player2", "Restart"], f"{page.name}: the Tab order is {order}")
    page.click("#Image2")  # no mode chosen yet: nothing happens
    check_state(page, model, "a throw before a mode")
    page.js("document.getElementById('Player2').focus()")
    if page.name == "firefox":  # headless Firefox's window never has the focus, and a button takes Space only then
        page.js("document.getElementById('Player2').click()")
    else:
        page.key(" ")  # Space presses the focused button
    page.js("document.getElementById('Player1').click()")  # under the two-player window
    page.wait("!t('TForm2').hidden && !t('TForm3').hidden")
    check_axe(page, "both name windows open")
    if page.devtools:
        check_layout(page)  # the design unscaled
    press = page.key_t
    if page.devtools:
        tree = accessibility_tree(page)
        find = lambda role, name: [n for n in tree if n["role"] == role and n["name"] == name]
        check(all(len(find("button", b)) == 1 for b in ("1 Player", "2 Players", "Restart")), "the buttons")
        (die,) = find("button", "Throw Die")
        check(die.get("keyshortcuts") == "T" and not die.get("focusable"), f"the die's button is {die}")
        check([n.get("live") for n in tree if n["role"] == "log"] == ["polite"], "the log is no live region")
        check(find("status", "Player1's Position: 1") and find("status", "Player2's Position: 1"), "the read-outs' names")
        check(find("dialog", "One Player Game") and find("dialog", "Two Player Game") and all(find("textbox", b) for b in (
            "Please enter your name:", "Please enter player1's name:", "Please enter player2's name:")), "name windows")
        # Kept on the first visit; then no network at all.
        page.wait("navigator.serviceWorker.controller !== null", 20)
        page.driver.get_log("performance")
        site.server.mode = "down"
        page.cdp("Network.enable")
        page.cdp("Network.emulateNetworkConditions", offline=True, latency=0, downloadThroughput=-1, uploadThroughput=-1)
        page.open(url)
        (die,) = [n for n in accessibility_tree(page) if n["role"] == "button" and n["name"] == "Throw Die"]
        press = lambda: page.cdp("Runtime.callFunctionOn", functionDeclaration="function() { this.click(); }",
                                 objectId=page.cdp("DOM.resolveNode", backendNodeId=die["node"])["object"]["objectId"])
    else:
        page.open(url)
    page.click("#Player1")
    box = page.js("const f = document.getElementById('TForm2'), e = document.documentElement;"
                  "return [f.offsetLeft, f.offsetTop, Math.max(0, Math.floor((e.clientWidth - f.offsetWidth) / 2)),"
                  " Math.max(0, Math.floor((e.clientHeight - f.offsetHeight) / 2))];")
    check(box[:2] == box[2:] and page.js(STATE)["focus"] == "Edit1", f"{page.name}: the one-player window is not centred: {box}")
    page.key("Enter")  # Ok is the default
    model.choose(1, ["To start the game click on the die!"])
    check(page.js(STATE)["labels"] == ["Player1s position:", "Freds position:"], "Ok's labels")
    ways = [lambda: page.click("#Image2"), lambda: page.click("#Label4"), press, page.key_t]
    for n, lines in enumerate(transcript, 1):
        then = model.click(page)
        ways[n % 4]()  # the die, its caption, a screen reader's press (Chromium; T elsewhere), the key T
        then()
        check(model.log == lines, f"the model disagrees with the transcript at click {n}")
        check_state(page, model, f"click {n}")
        if n % 4 == 3 and page.devtools:
            page.key_t(held=True)  # a key held down throws once
            check_state(page, model, f"T held after click {n}")
            (board,) = [m for m in accessibility_tree(page) if m["role"] == "image" and m["name"] == "Board"]
            check(board["description"] == f"Green counter on square {model.pos[1]}, magenta counter on square {model.pos[2]}",
                  f"the board is described as {board['description']!r} at {model.pos}")
        if n in (1, len(transcript)) or model.log[-1].endswith("......"):
            check_pictures(page, pictures, model)
    check(not model.active, "the transcript's game has no winner")
    page.click("#Image2")  # after the win, nothing
    check_state(page, model, "a throw after the win")
    if not page.devtools:
        page.resize(700, 500)  # zoomed by 1.36
        check_pictures(page, pictures, model)
        return
    for width, height, ratio in ((514, 316, 2), (900, 600, 1.5), (700, 700, 3)):
        check_screen(page, pictures, model, width, height, ratio)
    origin = url.split("/site/")[0] + "/"
    urls = {m["params"]["request"]["url"] for m in (json.loads(e["message"])["message"] for e in page.driver.get_log("performance"))
            if m["method"] == "Network.requestWillBeSent"}
    # Nothing asked of another origin; no other language's texts or face.
    check(urls and all(u.startswith(origin) and "/languages/" not in u for u in urls), f"requests: {sorted(urls)}")
    stored = page.js_async("return indexedDB.databases().then(d => [document.cookie, localStorage.length,"
                           " Object.keys(sessionStorage), d.length]);")
    check(stored == ["", 0, ["brimblet.game"], 0], f"stored on the player's machine: {stored}")
    refused = [e["message"] for e in page.driver.get_log("browser") if "Content Security Policy" in e["message"]]
    check(not refused, f"refused by the page's policy: {refused}")
    # A new build on the host: the next visit gets it, and it is what is kept from then on.
    folder, source = os.path.join(site.root, "site"), os.path.join(HERE, "..", "..", "src", "web")
    text = open(f"{folder}/index.html").read().replace("<title>", '<meta name="build" content="2"><title>')
    open(f"{folder}/index.html", "w").write(text)
    subprocess.run([sys.executable, f"{source}/make_service_worker.py", f"{source}/sw.js.in", folder, f"{folder}/sw.js",
                    os.path.join(source, "..", "shared", "faces.txt")], check=True)
    version = open(f"{folder}/sw.js").read().split('VERSION = "')[1].split('"')[0]
    page.cdp("Network.emulateNetworkConditions", offline=False, latency=0, downloadThroughput=-1, uploadThroughput=-1)
    site.server.mode = "up"
    page.open(url)
    page.js_async("const want = arguments[0]; return new Promise(done => (function poll() {"
                  " caches.keys().then(k => k.join() === want ? done() : setTimeout(poll, 100)); })());", version)
    site.server.mode = "down"
    page.open(url)
    check(page.js("return document.querySelector('meta[name=build]') !== null"), "the new build is not what is kept")
    # A host that accepts and never answers, then one that answers 503 to everything: the kept
    # game within 3 s, and it plays.
    for mode in ("hang", "503"):
        site.server.mode, start, model = mode, time.time(), Model()
        page.open(url)
        check(time.time() - start < 3 and page.js(STATE)["form1"], f"a {mode} host: the game after {time.time() - start:.1f} s")
        restart_and_throw(page, model, f"a {mode} host")
    site.server.mode = "up"


def two_players(page, site, pictures):
    """Two players. First a phone's screen: no sideways scroll, board and die first, every
    tapped control 24 pixels tall, nothing axe finds. In Chromium the game is played there with
    a finger, elsewhere at a desktop's window with the mouse: names typed (10 characters), a
    window dragged, closed and shown where left, a name cancelled yet used; quick clicks;
    Restart; the win; T in a name box."""
    url = site.copy("site", lambda folder: open(os.path.join(folder, "elsewhere.html"), "w").write(ELSEWHERE))
    tapped = "#Player1, #Player2, #Restart, #Label4, #Image2, .dialog:not([hidden]) button, .dialog:not([hidden]) input"
    layout = ("const at = id => document.getElementById(id).getBoundingClientRect().top;"
              "return [document.documentElement.scrollWidth - document.documentElement.clientWidth, ['Image1', 'ThrowDie', 'Memo1', 'Player1', 'position1'].map(at),"
              " [...document.querySelectorAll(arguments[0])].filter(e => e.offsetParent).map(e => e.getBoundingClientRect().height)];")
    for width, height in ((320, 568), (360, 640)) if page.name != "webkit" else ():  # MiniBrowser's windows are wider
        page.resize(width, height, 3, mobile=True)
        page.open(url)
        scroll, order, heights = page.js(layout, tapped)
        check(scroll == 0 and order == sorted(order) and min(heights) >= 24, f"{width} wide: {scroll} {order} {heights}")
        check_axe(page, f"a phone's screen, {width} wide")
    if page.devtools:
        page.cdp("Emulation.setTouchEmulationEnabled", enabled=True)
        tap = page.tap
    else:
        page.resize(900, 760)
        page.open(url)
        tap = lambda selector, drag=None: page.drag(selector, *drag) if drag else page.click(selector)
    width, height = page.js("return [innerWidth, innerHeight]")
    model = Model(5000, 6007)
    tap("#Player2")
    model.choose(2)
    check(min(page.js(layout, tapped)[2]) >= 24 or not page.devtools, "a name window's controls are too small to tap")
    for box, name in (("Edit1", "Ann"), ("Edit2", "Bartholomew Jr")):
        page.fill(f"#TForm3 [name={box}]", name)
    model.names.update(first="Ann", second="Bartholome")
    tap("#TForm3 [name=Button1]")
    model.log = ["To start the game click on the die!"]
    check(check_state(page, model, "Ok")["labels"] == ["Anns position:", "Bartholomes position:"], "Ok's labels")
    tap("#Player2")
    before = page.js(RECT, "#TForm3")
    tap("#TForm3 .caption span", drag=(400, 900))  # far off the screen
    where = page.js(RECT, "#TForm3")
    check(where[1] > before[1] and where[2] <= width and where[3] <= height, f"{page.name}: the dragged window went to {where}")
    tap("#TForm3 .close")
    check(not page.js(STATE)["form3"], "the close box did not close the two-player window")
    tap("#Player2")
    check(page.js(RECT, "#TForm3") == where, f"{page.name}: the window came back at {page.js(RECT, '#TForm3')}, not at {where}")
    page.fill("#TForm3 [name=Edit2]", "Cy")
    tap("#TForm3 [name=Button2]")
    model.names["second"] = "Cy"
    clicks = 0
    while model.active:
        first, second = model.click(page), model.click(page)
        tap("#Image2")
        tap("#Label4")  # at once: no wait for a double tap
        first()
        second()
        clicks += 2
        check_state(page, model, f"click {clicks}")
        if clicks == 10:
            reload_partway(page, url, model, pictures, tap)
        if clicks == 20:
            tap("#Restart")
            model.restart()
            check_state(page, model, "Restart")
            check_pictures(page, pictures, model)
        check(clicks < 400, "no winner in 400 clicks")
    check(page.js(STATE)["labels"][1] == "Bartholomes position:", "Cancel changed the label")
    tap("#Player2")
    page.js("const e = document.querySelector('#TForm3 [name=Edit2]'); e.focus(); e.setSelectionRange(9, 9);")
    page.type("t")
    model.names["second"] += "t"
    check_state(page, model, "T typed into a name box")
    check(page.js("return document.querySelector('#TForm3 [name=Edit2]').value") == "Cyt", "T is not a letter there")


# Another page of the site, to go to from the game and come Back from.
ELSEWHERE = '<!DOCTYPE html><html lang="en"><title>Elsewhere</title><p><a href="./">Brimblet</a></p></html>\n'


def back_and_forth(page, url, model, seen, tap):
    """To another page of the site and Back: the page comes back from the browser's back-forward
    cache (each engine here has one) with every name box as it was, typed or confirmed, and the
    next throw names the player as typed."""
    seen = seen.replace("return [", "return [document.activeElement.name, document.activeElement.selectionStart, ", 1)
    before = page.js(seen)
    page.js("window.brimbletLeft = true")
    for there in ("elsewhere.html", ""):
        page.go(there and url + there)
        page.wait(f"location.href === '{url + there}' && document.readyState === 'complete'")
    page.wait("t('TForm1') && !t('TForm1').hidden")
    time.sleep(0.2)  # what the engine does after showing the page again
    check(page.js("return window.brimbletLeft === true"), f"{page.name}: Back loaded the page again, not from the cache")
    page.seen_cache = {}
    check(page.js(seen) == before, f"{page.name}: after Back {page.js(seen)}, before {before}")
    then = model.click(page)
    tap("#Image2")
    then()
    check_state(page, model, "a throw after Back")  # the rules name Eve and Cy


def reload_partway(page, url, model, pictures, tap):
    """The moved window open, a name typed but not confirmed: after a reload all the player saw is back
    and the game goes on. In Chromium a second tab and damaged entries give a fresh game. Then the
    same after a trip to another page of the site and Back."""
    tap("#Player2")
    page.fill("#TForm3 [name=Edit1]", "Dee")
    model.names["first"] = "Dee"
    seen = ("return [TForm3.getBoundingClientRect().toJSON(), [...document.querySelectorAll('input')].map(e => e.value),"
            " Image1.getAttribute('aria-description'), [Label2, Label3, TForm2, TForm3].map(e => e.textContent + e.hidden)]")
    before = page.js(seen)
    page.open(url, fresh=False)
    model.readings, model.throws = [], 0  # the new page's clock
    check_state(page, model, "after the reload")
    check(page.js(seen) == before, f"{page.name}: after the reload {page.js(seen)}, before {before}")
    tap("#TForm3 [name=Button2]")  # Cancel: the name typed is used all the same
    check_pictures(page, pictures, model)
    if page.devtools:
        fresh, start = "return [Memo1.textContent, position1.textContent, Label2.textContent]", ["\n".join(Model().log), "1", "Player1's Position: "]
        entry = page.js("return sessionStorage.getItem('brimblet.game')")
        page.driver.switch_to.new_window("tab")
        page.open(url, fresh=False)
        check(page.js(fresh) == start, f"a second tab shows {page.js(fresh)}")
        page.driver.close()
        page.driver.switch_to.window(page.driver.window_handles[0])
        damages = {entry[:-9], entry.replace("session 1", "session 9"), entry.replace("state ", "state 99", 1),
                   entry.replace("window 0 1", "window 1 0", 1), entry.replace("text 3\nDee", "text 11\nDeeDeeDeeDe")} - {entry}
        check(len(damages) == 5, f"not every damage applies to {entry!r}")
        for damaged in [*damages, entry]:
            page.js("sessionStorage.setItem('brimblet.game', arguments[0])", damaged)
            page.open(url, fresh=False)
            check((page.js(fresh) == start) == (damaged != entry), f"the entry {damaged!r} gives {page.js(fresh)}")
    tap("#Player2")
    page.fill("#TForm3 [name=Edit1]", "Eve")  # typed, not confirmed; Cy's name was
    model.names["first"] = "Eve"
    back_and_forth(page, url, model, seen, tap)
    tap("#TForm3 [name=Button2]")


def broken_files(page, site, pictures):
    """On a slow network, the game loading from the first paint (Chromium). The program that
    cannot start: its module missing or cut short, WebAssembly switched off or too old: the report, and
    no window. A missing or damaged picture: the report first, then the window with its gaps;
    play on."""
    if page.devtools:  # 1.6 Mbit/s, 150 ms, nothing kept
        page.cdp("Network.enable")
        page.cdp("Network.setCacheDisabled", cacheDisabled=True)
        page.cdp("Network.emulateNetworkConditions", offline=False, latency=150, downloadThroughput=200000, uploadThroughput=200000)
        page.cdp("Page.navigate", url=site.copy("slow"))
        seen = set()
        while not page.js("return document.readyState === 'complete' && !document.getElementById('TForm1').hidden"):
            seen.add(page.js("return document.getElementById('LoadingText') && document.getElementById('LoadingText').textContent"))
            time.sleep(0.02)
        paint = page.js("return performance.getEntriesByName('first-contentful-paint')[0].startTime")
        check(paint < 500 and any(t and t.startswith("Loading Brimblet\u2026 ") and t.endswith(" KB") for t in seen),
              f"slow network: first paint at {paint:.0f} ms, the loading text {sorted(map(str, seen))}")
        page.cdp("Network.emulateNetworkConditions", offline=False, latency=0, downloadThroughput=-1, uploadThroughput=-1)
        page.cdp("Emulation.setScriptExecutionDisabled", value=True)  # JavaScript switched off: the page says so
        page.driver.get(site.copy("no-script"))
        shown = page.cdp("Runtime.evaluate", returnByValue=True, expression=
                         "[...document.querySelectorAll('noscript p')].map(p => [p.lang, p.innerText])")["result"]["value"]
        langs = [lang for lang, _ in shown]  # said in every language, each marked with its own
        check(shown[:1] == [["", "Brimblet needs JavaScript and WebAssembly to play."]] and
              langs[1:] == sorted(f[:-3].replace("_", "-") for f in os.listdir(os.path.join(HERE, "..", "..", "po")) if f.endswith(".po")),
              f"with no JavaScript the page shows {shown!r}")
        page.cdp("Emulation.setScriptExecutionDisabled", value=False)
    for name, change, text in [
        ("missing-module", lambda f: os.remove(f"{f}/brimblet.wasm"), "Cannot open file brimblet.wasm. "),
        ("short-module", lambda f: open(f"{f}/brimblet.wasm", "r+b").truncate(4096), "The file brimblet.wasm arrived cut short"),
        ("no-webassembly", lambda f: first_script(f, "off.js", "delete window.WebAssembly;"), "Brimblet needs WebAssembly"),
        ("old-webassembly", lambda f: first_script(f, "old.js", "WebAssembly.validate = () => false;"),
         "This browser is too old for Brimblet. "),
    ]:
        page.open(site.copy(name, change))
        s = page.js(STATE)
        check((s["error"] or "").startswith(text) and not s["form1"], f"{name}: {s}")
        page.click("#ErrorBoxOk")
        check(page.js("return document.getElementById('LoadingText').textContent").startswith(text) and page.js(STATE)["error"] is None,
              f"{name}: after OK, {page.js(STATE)}")
    cases = [
        ("missing-d4", lambda f: os.remove(f"{f}/d4.bmp"), "Cannot open file d4.bmp."),
        ("html-counter", lambda f: open(f"{f}/counter.bmp", "w").write("<!DOCTYPE html><p>Not here"), "Bitmap image is not valid."),
        ("short-board", lambda f: open(f"{f}/brimb.bmp", "wb").write(b"BM\0\0"), "Stream read error."),
    ]
    for name, change, text in cases:
        page.open(site.copy(name, change))
        s = page.js(STATE)
        check(s["error"] == text and not s["form1"] and page.js("return TForm1.inert"), f"{name}: {s}")
        check_axe(page, "the error report shown")
        page.click("#ErrorBoxOk")
        model = Model()
        s = check_state(page, model, f"{name} after OK")
        check(s["form1"] and s["error"] is None and s["focus"] == "Player1", f"{name} after OK: {s}")
        check_pictures(page, pictures, model, counters=False)  # no first redraw: the design-time board
        restart_and_throw(page, model, name)


# Each control's text in each language as the page draws it in the control's font and the
# language's face (every language's stylesheet loaded, and its face), held to its room: one
# line each (the log's first text a line at a time), the name labels also as Ok writes them,
# the die's caption left of the die; a language in a face of its own keeps a tenth of the room
# spare. Gives what does not fit, or whose face did not load.
FITS = """const [languages, position, own, design] = arguments, clipped = [], probe = document.createElement('span');
return (async () => {
await Promise.all(own.map(code => new Promise(done => document.head.append(
  Object.assign(document.createElement('link'), {rel: 'stylesheet', href: `languages/${code}.css`, onload: done, onerror: done})))));
const t = id => document.getElementById(id), dialogs = [t('TForm2'), t('TForm3')], direction = document.documentElement.dir;
dialogs.forEach(d => { d.hidden = false; });
document.documentElement.dir = 'ltr';  // a control's room measured from its left, in either direction
// The page shows its own language: each control's English is found back through it.
const back = Object.fromEntries(Object.entries(languages[document.documentElement.lang.replace('-', '_')] || {}).map(([k, v]) => [v, k]));
probe.style.cssText = 'position: absolute; visibility: hidden; white-space: pre';
document.body.append(probe);
for (const e of document.querySelectorAll('#TForm1 [id], .window.dialog .client > *, .window.dialog .caption span')) {
  const shown = e.tagName === 'INPUT' ? e.value : e.textContent, english = back[shown] || shown, left = e.getBoundingClientRect().left, room = e.id === 'Label4' ?
    t('Image2').getBoundingClientRect().left - left : e.parentElement.classList.contains('caption') ?
    e.parentElement.querySelector('.close').getBoundingClientRect().left - left : e.clientWidth - parseFloat(getComputedStyle(e).paddingLeft) - parseFloat(getComputedStyle(e).paddingRight);
  const style = getComputedStyle(e);
  for (const [code, texts] of Object.entries(languages)) {
    if (!english.trim() || !(english in texts)) continue;
    probe.lang = code.replace('_', '-');
    // A language of the design's face is measured in it, not in the page's language's.
    if (own.includes(code)) probe.style.removeProperty('--face'); else probe.style.setProperty('--face', design);
    probe.style.font = `${style.fontStyle} ${style.fontWeight} ${style.fontSize} var(--face)`;
    const fits = own.includes(code) ? room * 0.9 : room;
    // A name, in Latin letters in every language: its label is as wide as it is on this page.
    if ((own.includes(code) || e.id === 'Label1') && texts[english].replace(/[\u2066-\u2069]/g, '') === english) continue;
    const face = getComputedStyle(probe).getPropertyValue('--face').trim();
    if (!(await document.fonts.load(probe.style.font.replace('var(--face)', face), texts[english])).length) clipped.push(`${code}: no ${face}`);
    const extra = ['Label2', 'Label3'].includes(e.id) ? [texts[position].replace('{name}', texts['Player1']), texts['Freds position:']] : [];
    for (const line of [...texts[english].split('\\n'), ...extra]) {
      probe.textContent = line;
      if (probe.getBoundingClientRect().width > fits + 0.5) clipped.push(`${code} ${e.id || e.className}: "${line}" in ${fits} px`);
    }
  }
}
probe.remove();
dialogs.forEach(d => { d.hidden = true; });
document.documentElement.dir = direction;
return clipped;
})();"""


def in_language(page, site, transcript, language, texts, drawn):
    """The browser set to the language: the page speaks it (its lang too), in its face, having
    fetched no other language's texts or face; every language's texts fit, in its face; a name in
    Europe's letters and Hindi's shows as typed; the transcript plays; and navigator.languages
    chooses (fr-CA, zh-TW, zh-SG, pt-BR, pt-PT, sw: in the design's face's games). A language
    read from the right mirrors the windows (held to the record mirrored, and the phone's column
    within the screen) and shows a Latin name in its order, as the page lays its letters out."""
    url, mine, tag = site.copy("site"), texts[language], language.replace("_", "-")
    own = [code for code in texts if drawn[code][1] != drawn["en"][1]]  # the languages of a face of their own
    face, direction = drawn[language][1], "rtl" if drawn[language][0] in RIGHT_TO_LEFT else "ltr"
    page.resize(900, 760)
    page.open(url)
    page.js_async("return document.fonts.ready.then(() => true);")
    seen = page.js("const t = id => document.getElementById(id); return [document.documentElement.lang, document.documentElement.dir,"
                   " t('Player1').textContent,"
                   " t('Memo1').textContent, t('TForm2-Edit1').value, t('Image1').getAttribute('aria-label'),"
                   " getComputedStyle(t('Player1')).fontFamily.replace(/\"/g, ''), performance.getEntriesByType('resource').map(e => e.name)"
                   " .filter(n => n.includes('/languages/')).map(n => n.split('/languages/')[1]).sort()]")
    fetched = sorted([f"{language}.js"] + ([f"{language}.css"] + [f for f in os.listdir(os.path.join(site.root, "site", "languages"))
                     if f.startswith(face.replace(" ", "") + "-")] if language in own else []))
    check(seen == [tag, direction, mine["1 Player"], mine["Welcome to \nBrimblet.\nPlease choose the number \nof players:"],
                   mine["Player1"], mine["Board"], face, fetched], f"{page.name} in {language}: {seen}, not {fetched}")
    clipped = page.js_async(FITS, texts, "{name}s position:", own, f'"{drawn["en"][1]}"')
    check(not clipped, f"{page.name}: texts cut off: {clipped}")
    if direction == "rtl":
        page.click("#Player2")
        page.js("document.getElementById('Player1').click()")
        page.wait("!t('TForm2').hidden && !t('TForm3').hidden")
        if page.devtools:
            page.resize(514, 316, 2)  # the design unscaled
            check_layout(page, mirrored=True)
        page.resize(360, 740)  # a phone's stacked column, mirrored: nothing off either edge
        outside = page.js("return [...document.querySelectorAll('#TForm1 > *, .dialog:not([hidden])')].filter(e => e.offsetParent)"
                          ".map(e => [e.id || e.className, e.getBoundingClientRect()]).filter(([, r]) => r.width &&"
                          " (r.left < 0 || r.right > document.documentElement.clientWidth)).map(([n]) => n)")
        check(not outside, f"{page.name}: off the phone's screen: {outside}")
        page.resize(900, 760)
    # Polish letters and a Hindi conjunct; in a language read from the right, Latin letters and a number
    typed = "Ann-Mari 2" if direction == "rtl" else "\u0141ucja \u0915\u094d\u0937\u092e\u093e"
    for name, lines in ((typed, [transcript[0][0].replace(mine["Player1"], typed)]), (None, None)):
        page.open(url)
        model = Model()
        page.click("#Player1")
        if name:
            page.fill("#TForm2-Edit1", name)
            page.key("Enter")
            check(page.js(STATE)["labels"][0] == mine["{name}s position:"].replace("{name}", name), f"{page.name}: {page.js(STATE)}")
        else:
            page.key("Enter")
        for n, want in enumerate([lines] if name else transcript, 1):
            model.click(page)
            page.click("#Image2")
            check(page.js(STATE)["log"][:len(want)] == want, f"{page.name} in {language}, click {n}: {page.js(STATE)['log']}, not {want}")
        if name and direction == "rtl":  # each letter right of the one before it, as drawn
            unordered = page.js(IN_ORDER, name)
            check(not unordered, f"{page.name}: the name is not in its order in {unordered}")
            check(not page.devtools or any(name in (n["name"] or "") for n in accessibility_tree(page)),
                  f"{page.name}: a screen reader is not given the name")
    if page.devtools:  # with no network, the page still speaks the language it was visited in, in its face
        page.wait("navigator.serviceWorker.controller !== null", 20)
        site.server.mode = "down"
        page.cdp("Network.enable")
        page.cdp("Network.emulateNetworkConditions", offline=True, latency=0, downloadThroughput=-1, uploadThroughput=-1)
        page.open(url)
        page.js_async("return document.fonts.ready.then(() => true);")
        got = page.js("return [document.getElementById('Restart').textContent,"
                      " [...document.fonts].some(f => f.family.replace(/\"/g, '') === arguments[0] && f.status === 'loaded')]", face)
        check(got == [mine["Restart"], True], f"{page.name} offline in {language}: {got}")
        page.cdp("Network.emulateNetworkConditions", offline=False, latency=0, downloadThroughput=-1, uploadThroughput=-1)
        page.cdp("Network.disable")
        site.server.mode = "up"
    # The choice owes nothing to the language visited: played once in each engine (see get()).
    for listed, want in () if language in own else (("fr-CA,en", "fr"), ("sw-KE", "en"), ("sw,pt-BR", "pt_BR"), ("pt-PT", "pt"),
                                                    ("zh-TW", "zh_TW"), ("zh-SG", "zh_CN")):
        page.open(url + "?languages=" + listed)
        got = page.js("return [document.documentElement.lang, document.getElementById('Restart').textContent]")
        check(got == [want.replace("_", "-"), texts.get(want, {}).get("Restart", "Restart")], f"{page.name}: languages {listed} give {got}")
        page.wait(f"(navigator.serviceWorker.controller || {{}}).scriptURL === new URL('sw.js?language={want}', location).href", 20)
    # The loader's own reports, with their places, are in the language too.
    page.open(site.copy("no-module", lambda f: os.remove(f"{f}/brimblet.wasm")))
    want = mine["Cannot open file {file}. Check the connection to the internet, then reload the page."].replace("{file}", "brimblet.wasm")
    check(page.js(STATE)["error"] == want, f"{page.name} in {language}, no module: {page.js(STATE)['error']!r}, not {want!r}")


IN_ORDER = """const name = arguments[0], unordered = [];
for (const id of ['Label2', 'Memo1']) {
  const walk = document.createTreeWalker(document.getElementById(id), NodeFilter.SHOW_TEXT);
  for (let node = walk.nextNode(); node; node = walk.nextNode()) {
    const at = node.data.indexOf(name);
    if (at < 0) continue;
    const xs = [...name].map((c, i) => { const r = document.createRange(); r.setStart(node, at + i); r.setEnd(node, at + i + 1);
                                        return r.getBoundingClientRect().left; });
    if (!xs.every((x, i) => i === 0 || x > xs[i - 1])) unordered.push(id);
  }
}
return unordered;"""


def main():
    engine, site_folder, transcript_file = sys.argv[1:4]
    transcript = [block.splitlines()[1:] for block in open(transcript_file, encoding="utf-8").read().split("# click ")[1:]]
    pictures = os.path.join(HERE, "..", "..", "assets")  # the site's are made smaller, their pixels kept
    games = {"one-player": lambda page, site: one_player(page, site, pictures, transcript),
             "two-players": lambda page, site: two_players(page, site, pictures),
             "broken-files": lambda page, site: broken_files(page, site, pictures)}
    po = os.path.join(HERE, "..", "..", "po")
    for name in sys.argv[4:]:
        if os.path.exists(os.path.join(po, name + ".po")):
            texts = dict(languages([os.path.join(po, f) for f in os.listdir(po) if f.endswith(".po")]))
            made = os.path.join(os.path.dirname(os.path.abspath(site_folder)), "transcripts", f"one-player-game.{name}.log")
            own = [block.splitlines()[1:] for block in open(made, encoding="utf-8").read().split("# click ")[1:]]
            drawn = faces(os.path.join(HERE, "..", "..", "src", "shared", "faces.txt"))
            games[name] = functools.partial(lambda page, site, t, n: in_language(page, site, t, n, texts, drawn), t=own, n=name)
            os.environ["BRIMBLET_BROWSER_LANGUAGE"] = name.replace("_", "-")
    for name in sys.argv[4:] or games:
        page = ENGINES[engine](CLOCK)
        site = Site(site_folder, page)
        try:
            games[name](page, site)
            print(f"{engine} {name}: passed")
        finally:
            page.quit()
            site.close()


if __name__ == "__main__":
    main()
