#!/usr/bin/python3
"""Plays the built site in headless Chromium as players would, and checks every click against
the rules written out again here (Model): the log, the read-outs, the die face and the board's
pixels. The browser's clock is fixed from outside the page, through the DevTools protocol,
before the page's scripts run, so every throw is known in advance.

usage: play.py SITE TRANSCRIPT [SCENARIO...]
"""
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

from PIL import Image
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from board import JUMPS, read_bmp, square_at  # noqa: E402

FIRST_READING, STEP = 1000, 7919  # the transcript's clock: ms after midnight UTC, and the step

# The page's clock as the desktop builds' tests script theirs: each reading takes the next of the
# times pushed (ms after midnight UTC), and the last is read again until another is pushed.
CLOCK = """(() => {
  const RealDate = Date, midnight = RealDate.UTC(2026, 11, 8), readings = [];
  let reads = 0;
  const now = () => {
    reads++;
    const ms = readings.length > 1 ? readings.shift() : (readings[0] || 0);
    return midnight + ms;
  };
  class FixedDate extends RealDate {
    constructor(...a) { if (a.length) super(...a); else super(now()); }
    static now() { return now(); }
  }
  window.Date = FixedDate;
  window.testClock = { push: ms => readings.push(ms), reads: () => reads };
})();"""


# The page's state as one object: the log's lines, the read-outs, the names and the windows.
STATE = """const t = id => document.getElementById(id);
const lines = t('Memo1').textContent.split('\\n');
if (lines[lines.length - 1] === '') lines.pop();
return {log: lines, p1: t('position1').textContent, p2: t('position2').textContent,
        label2: t('Label2').textContent, label3: t('Label3').textContent,
        form1: !t('TForm1').hidden, form2: !t('TForm2').hidden, form3: !t('TForm3').hidden,
        error: t('ErrorBox').hidden ? null : t('ErrorBoxText').textContent,
        focus: document.activeElement.name || document.activeElement.id || '',
        reads: window.testClock.reads()};"""

PIXELS = """const c = document.getElementById(arguments[0]);
const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
let s = '';
for (let i = 0; i < d.length; i += 4) s += String.fromCharCode(d[i], d[i + 1], d[i + 2]);
return [c.width, c.height, btoa(s)];"""


class Model:
    """The rules, written out again: what each click must show."""

    def __init__(self, first=FIRST_READING, step=STEP):
        self.next_push, self.step, self.readings, self.seed = first, step, [], 0
        self.pos = {1: 1, 2: 1}
        self.turn, self.mode, self.active = 1, 1, False
        self.names = {"one": "Player1", "first": "Player1", "second": "Player2"}
        self.log = ["Welcome to ", "Brimblet.", "Please choose the number ", "of players:"]
        self.face, self.throws = None, 0

    def name(self):
        if self.mode == 1:
            return self.names["one"] if self.turn == 1 else "Fred"
        return self.names["first"] if self.turn == 1 else self.names["second"]

    def uniform(self, n):  # the game's one 32-bit linear congruential generator
        self.seed = (self.seed * 134775813 + 1) & 0xFFFFFFFF
        return n * self.seed >> 32

    def throw(self, bound, human):
        self.seed = self.readings.pop(0) if len(self.readings) > 1 else self.readings[0]
        self.throws += 1
        for _ in range(self.uniform(bound) + 1):
            self.face = self.uniform(6) + 1
        line = f"{self.name()} scored a : {self.face}"
        self.log = [line] if human and self.turn == 1 else self.log + [line]
        target, outcome = self.pos[self.turn] + self.face, None
        if target > 81:
            outcome = ", i am sorry - your throw was too high!"
        elif target == 81:
            self.pos[self.turn], self.active = 81, False
            outcome = " wins!! Congratulations!"
        elif target in JUMPS:
            self.pos[self.turn] = JUMPS[target]
            outcome = " goes up the ladder......" if JUMPS[target] > target else " goes down the string :-("
        else:
            self.pos[self.turn] = target
        if outcome:
            self.log.append(self.name() + outcome)
        self.turn = 2 if self.turn == 1 else 1

    def push_readings(self, page):
        """Two more clock readings, one for each throw a click may make, in the model and the page."""
        pair = [self.next_push, self.next_push + self.step]
        self.next_push += 2 * self.step
        self.readings += pair
        page.js(f"testClock.push({pair[0]}); testClock.push({pair[1]})")

    def click(self):
        if self.active:
            self.throw(10, True)
            if self.mode == 1 and self.active:
                self.throw(15, False)

    def choose(self, mode):
        self.mode, self.active = mode, True

    def restart(self):
        self.pos, self.turn, self.active = {1: 1, 2: 1}, 1, True
        self.log = ["Press one of the buttons for different players."]


class Site:
    """The built site and its broken copies, served on the loopback address."""

    def __init__(self, site):
        self.site = site
        self.root = tempfile.mkdtemp(prefix="brimblet-web-")
        handler = functools.partial(Quiet, directory=self.root)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def copy(self, name, change=None):
        """The site as `name`/, with `change(folder)` made to its copy."""
        folder = os.path.join(self.root, name)
        shutil.copytree(self.site, folder)
        if change:
            change(folder)
        return f"http://127.0.0.1:{self.server.server_address[1]}/{name}/"

    def close(self):
        self.server.shutdown()
        shutil.rmtree(self.root, ignore_errors=True)


class Quiet(http.server.SimpleHTTPRequestHandler):
    def handle(self):
        if not getattr(self.server, "down", False):  # down: every connection is cut at once
            super().handle()

    def log_message(self, *args):
        pass


class Page:
    def __init__(self):
        o = webdriver.ChromeOptions()
        o.binary_location = "/usr/bin/chromium"
        for a in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update",
                  "--disable-sync", "--window-size=900,700"):
            o.add_argument(a)
        o.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=o)
        self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": CLOCK})

    def metrics(self, width, height, ratio, mobile=False):
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": ratio, "mobile": mobile})

    def screenshot(self):
        data = self.driver.execute_cdp_cmd("Page.captureScreenshot", {"format": "png"})["data"]
        return Image.open(io.BytesIO(base64.b64decode(data))).convert("RGB")

    def tap(self, selector, hold=None):
        """A finger's tap in the middle of an element, or a drag of `hold` (dx, dy) from there."""
        x, y = self.js("const r = document.querySelector(arguments[0]).getBoundingClientRect();"
                       "return [r.left + r.width / 2, r.top + r.height / 2];", selector)
        touch = lambda kind, points: self.driver.execute_cdp_cmd(
            "Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})
        touch("touchStart", [{"x": x, "y": y}])
        if hold:
            for step in range(1, 6):
                touch("touchMove", [{"x": x + hold[0] * step / 5, "y": y + hold[1] * step / 5}])
        touch("touchEnd", [])

    def open(self, url):
        self.driver.get(url)
        self.wait("!t('TForm1').hidden || !t('ErrorBox').hidden")

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def wait(self, condition, seconds=10):
        from selenium.webdriver.support.ui import WebDriverWait
        WebDriverWait(self.driver, seconds).until(
            lambda d: d.execute_script(f"const t = id => document.getElementById(id); return {condition};"))

    def state(self):
        return self.js(STATE)

    def el(self, selector):
        return self.driver.find_element(By.CSS_SELECTOR, selector)

    def pixels(self, canvas):
        width, height, data = self.js(PIXELS, canvas)
        rgb = base64.b64decode(data)
        return width, height, lambda x, y: tuple(rgb[3 * (y * width + x):3 * (y * width + x) + 3])

    def type_name(self, form, box, text):
        field = self.el(f"#{form} [name={box}]")
        field.send_keys(Keys.CONTROL, "a")
        field.send_keys(Keys.DELETE)
        field.send_keys(text)

    def check_policy_kept(self):
        """Nothing the page did was refused by its Content-Security-Policy."""
        refused = [e["message"] for e in self.driver.get_log("browser") if "Content Security Policy" in e["message"]]
        check(not refused, f"refused by the page's policy: {refused}")

    def quit(self):
        self.driver.quit()


def check(condition, what):
    if not condition:
        raise AssertionError(what)


def click_die(page, model, target="#Image2", double=False):
    """Clicks the die (or its caption) as a player does, once or twice in quick succession."""
    for _ in range(2 if double else 1):
        model.push_readings(page)
    if double:
        ActionChains(page.driver).double_click(page.el(target)).perform()
    else:
        page.el(target).click()
    for _ in range(2 if double else 1):
        model.click()


def shown_pictures(pictures, model, counters=True):
    """What the board and the die must show: the board with both counters on their squares
    (player 2's on top), and the last face thrown."""
    board = read_bmp(f"{pictures}/brimb.bmp")
    for player, file in ((1, "counter.bmp"), (2, "counter2.bmp")) if counters else ():
        x0, y0 = square_at(model.pos[player])
        for y, row in enumerate(read_bmp(f"{pictures}/{file}")):
            board[y0 + y][x0:x0 + len(row)] = row
    return {"Image1": board, "Image2": read_bmp(f"{pictures}/d{model.face or 1}.bmp")}


def check_pictures(page, pictures, model, counters=True):
    """Every pixel of each canvas shows the picture's pixel it lies in, whatever the scale."""
    for canvas, picture in shown_pictures(pictures, model, counters).items():
        width, height, pixel = page.pixels(canvas)
        rows, columns = len(picture), len(picture[0])
        check(width >= columns and height >= rows, f"{canvas} is {width} x {height}")
        wrong = sum(pixel(x, y) != picture[y * rows // height][x * columns // width]
                    for y in range(height) for x in range(width))
        check(wrong == 0, f"{wrong} pixels of {canvas} differ from the pictures at {model.pos}")


def check_state(page, model, what):
    s = page.state()
    check(s["log"] == model.log, f"{what}: log {s['log']}, the rules say {model.log}")
    check((s["p1"], s["p2"]) == (str(model.pos[1]), str(model.pos[2])),
          f"{what}: read-outs {s['p1']} {s['p2']}, the rules say {model.pos}")
    check(s["reads"] == model.throws, f"{what}: {s['reads']} clock readings for {model.throws} throws")
    return s


def read_transcript(path):
    clicks = []
    for line in open(path, encoding="utf-8").read().splitlines():
        if line.startswith("# click "):
            clicks.append([])
        elif clicks:
            clicks[-1].append(line)
    return clicks


def start_up(page, url, pictures):
    """The page as it opens: the welcome text, "1 Player" focused, no game, and the Tab order."""
    page.open(url)
    s = page.state()
    check(s["form1"] and not s["form2"] and not s["form3"] and s["error"] is None, f"windows {s}")
    model = Model()
    check(s["log"] == model.log, s["log"])
    check(s["focus"] == "Player1", f"the focus is on {s['focus']!r}")
    check_pictures(page, pictures, model)
    ActionChains(page.driver).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()
    order = [page.state()["focus"]]
    for _ in range(3):
        ActionChains(page.driver).send_keys(Keys.TAB).perform()
        order.append(page.state()["focus"])
    check(order == ["Memo1", "Player1", "Player2", "Restart"], f"the Tab order is {order}")
    ActionChains(page.driver).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()
    page.el("#Image2").click()  # no mode chosen yet: nothing happens
    check_state(page, model, "a throw before a mode")
    page.el("#Player2").send_keys(" ")  # Space presses the focused button
    check(page.state()["form3"], "Space on 2 Players did not show the two-player window")
    for readout in ("position1", "position2"):
        fits = page.js("const e = document.getElementById(arguments[0]), r = document.createRange();"
                       "r.selectNodeContents(e); return Math.abs(e.getBoundingClientRect().width -"
                       " r.getBoundingClientRect().width) < 1;", readout)
        check(fits, f"{readout} is not sized to its text")
    page.check_policy_kept()


def one_player_game(page, url, pictures, transcript):
    """A whole game against Fred, click by click as the transcript both desktop builds show."""
    page.open(url)
    model = Model()
    page.el("#Player1").click()
    model.choose(1)
    s = page.state()
    check(s["form2"] and s["focus"] == "Edit1", f"the one-player window: {s}")
    box = page.js("const f = document.getElementById('TForm2'), e = document.documentElement;"
                  "return [f.offsetLeft, f.offsetTop, Math.max(0, Math.floor((e.clientWidth - f.offsetWidth) / 2)),"
                  " Math.max(0, Math.floor((e.clientHeight - f.offsetHeight) / 2))];")
    check(box[:2] == box[2:], f"the one-player window is not centred: {box}")
    ActionChains(page.driver).send_keys(Keys.ENTER).perform()  # Ok is the default
    s = page.state()
    check(not s["form2"] and s["log"] == ["To start the game click on the die!"], f"Ok: {s}")
    check((s["label2"], s["label3"]) == ("Player1s position:", "Freds position:"), f"Ok: {s}")
    model.log = s["log"]  # the name window's Ok leaves one line, checked above
    clicks = read_transcript(transcript)
    for n, lines in enumerate(clicks, 1):
        click_die(page, model, "#Image2" if n % 2 else "#Label4")  # the die and its caption alike
        check(model.log == lines, f"the model disagrees with the transcript at click {n}")
        check_state(page, model, f"click {n}")
        if n in (1, len(clicks)) or model.log[-1].endswith("......"):
            check_pictures(page, pictures, model)
    check(not model.active, "the transcript's game has no winner")
    page.el("#Image2").click()  # after the win, nothing
    check_state(page, model, "a throw after the win")


def two_player_game(page, url, pictures):
    """Two players with names of their own, played to the win; names read live; Restart."""
    page.open(url)
    model = Model(5000, 6007)
    page.el("#Player2").click()
    model.choose(2)
    page.type_name("TForm3", "Edit1", "Ann")
    page.type_name("TForm3", "Edit2", "Bartholomew Jr")  # a name box takes 10 characters
    model.names.update(first="Ann", second="Bartholomew Jr"[:10])
    page.el("#TForm3 [name=Button1]").click()
    s = page.state()
    check((s["label2"], s["label3"]) == ("Anns position:", "Bartholomes position:"), f"labels {s}")
    # Dragged by its title bar, closed with its close box, shown again where it was left.
    page.el("#Player2").click()
    caption = page.el("#TForm3 .caption span")
    ActionChains(page.driver).click_and_hold(caption).move_by_offset(-60, 45).release().perform()
    moved = page.js("const f = document.getElementById('TForm3'); return [f.offsetLeft, f.offsetTop];")
    page.el("#TForm3 .close").click()
    check(not page.state()["form3"], "the close box did not close the two-player window")
    page.el("#Player2").click()
    again = page.js("const f = document.getElementById('TForm3'); return [f.offsetLeft, f.offsetTop];")
    check(again == moved, f"the window came back at {again}, not where it was left ({moved})")
    # A name changed and cancelled is used at once; the label keeps the last Ok's.
    page.type_name("TForm3", "Edit2", "Cy")
    page.el("#TForm3 [name=Button2]").click()
    model.names["second"] = "Cy"
    clicks = 0
    while model.active:
        click_die(page, model)
        clicks += 1
        check_state(page, model, f"two players, click {clicks}")
        if clicks == 20:
            check_pictures(page, pictures, model)
            page.el("#Restart").click()
            model.restart()
            check_state(page, model, "Restart")
            check_pictures(page, pictures, model)
        check(clicks < 400, "no winner in 400 clicks")
    s = page.state()
    check(s["label3"] == "Bartholomes position:", f"Cancel changed the label: {s['label3']}")
    check_pictures(page, pictures, model)
    # Quick clicks: each is a throw, also the two of a double click, on the die and its caption.
    page.el("#Restart").click()
    model.restart()
    for target in ("#Image2", "#Label4"):
        click_die(page, model, target, double=True)
        check_state(page, model, f"a double click on {target}")
    # The key T throws too, once a press however long it is held; in a name box it is a letter.
    page.el("#Player1").click()
    model.choose(1)
    page.el("#TForm2 [name=Button2]").click()
    for held in (False, True, True, False):
        if not held:
            model.push_readings(page)
            model.click()
        for kind in ("keyDown", "keyUp"):
            page.driver.execute_cdp_cmd("Input.dispatchKeyEvent", {
                "type": kind, "key": "t", "code": "KeyT", "text": "t", "autoRepeat": held})
        check_state(page, model, "the key T" + (", held" if held else ""))
    page.el("#Player2").click()
    model.choose(2)
    page.el("#TForm3 [name=Edit2]").send_keys(Keys.END, "t")
    model.names["second"] += "t"
    check_state(page, model, "T typed into a name box")
    check(page.js("return document.querySelector('#TForm3 [name=Edit2]').value") == "Cyt",
          "T typed into a name box is not a letter")


def broken_pictures(page, site, pictures):
    """A missing or damaged picture: the report comes first, then the window with its gaps."""
    cases = [
        ("missing-d4", lambda f: os.remove(f"{f}/d4.bmp"), "Cannot open file d4.bmp.", True),
        ("html-counter", lambda f: open(f"{f}/counter.bmp", "w").write("<!DOCTYPE html><p>Not here"),
         "Bitmap image is not valid.", False),
        ("short-board", lambda f: open(f"{f}/brimb.bmp", "wb").write(b"BM\0\0"), "Stream read error.", False),
    ]
    for name, change, text, counters in cases:
        page.open(site.copy(name, change))
        s = page.state()
        check(s["error"] == text and not s["form1"], f"{name}: {s}")
        check(page.js("return document.getElementById('TForm1').inert"), f"{name}: the window is not held")
        page.el("#ErrorBoxOk").click()
        s = page.state()
        check(s["form1"] and s["error"] is None and s["focus"] == "Player1", f"{name} after OK: {s}")
        check((s["p1"], s["p2"]) == ("1", "1"), f"{name}: read-outs {s}")
        # No first redraw: the design-time board shows, without counters.
        check_pictures(page, pictures, Model(), counters=False)
        page.el("#Restart").click()
        page.el("#Image2").click()  # the game goes on with what it has
        check(len(page.state()["log"]) >= 2, f"{name}: no throw after the report")


# The part of each tappable control a finger meets, and where the main parts of the page are.
LAYOUT = """const at = id => document.getElementById(id).getBoundingClientRect().top;
return {scroll: document.documentElement.scrollWidth, width: document.documentElement.clientWidth,
        order: ['Image1', 'ThrowDie', 'Memo1', 'Player1', 'position1'].map(at),
        tapped: [...document.querySelectorAll(arguments[0])].filter(e => e.offsetParent)
          .map(e => [e.id || e.getAttribute('name') || e.className, e.getBoundingClientRect().height])};"""
TAPPED = "#Player1, #Player2, #Restart, #Label4, #Image2, .dialog:not([hidden]) button, .dialog:not([hidden]) input"


def phone(page, url, pictures):
    """A narrow portrait phone: nothing cut off or sideways, board and die first, every control
    a finger taps 24 pixels tall; a tap is a click, the quickest taps each a throw; a name
    window stays inside the screen wherever it is dragged."""
    for width, height in ((320, 568), (360, 640)):
        page.metrics(width, height, 3, mobile=True)
        page.open(url)
        layout = page.js(LAYOUT, TAPPED)
        check(layout["scroll"] <= layout["width"] == width, f"{width} wide: it scrolls sideways {layout}")
        check(layout["order"] == sorted(layout["order"]), f"{width} wide: the order is {layout['order']}")
        check(all(h >= 24 for _, h in layout["tapped"]), f"{width} wide: too small to tap {layout['tapped']}")
    page.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
    model = Model()
    page.tap("#Player1")
    model.choose(1)
    check(page.state()["form2"], "a tap on 1 Player did not show its window")
    layout = page.js(LAYOUT, TAPPED)
    check(all(h >= 24 for _, h in layout["tapped"]), f"too small to tap {layout['tapped']}")
    where = ("const r = document.getElementById('TForm2').getBoundingClientRect();"
             "return [r.top, r.left >= 0 && r.top >= 0 && r.right <= innerWidth && r.bottom <= innerHeight];")
    before = page.js(where)
    page.tap("#TForm2 .caption span", hold=(400, 900))  # dragged far off the screen
    after = page.js(where)
    check(after[0] > before[0] and after[1], f"the dragged name window went from {before} to {after}")
    page.tap("#TForm2 [name=Button2]")
    for _ in range(3):
        model.push_readings(page)
        model.push_readings(page)
        page.tap("#Image2")
        page.tap("#Label4")  # at once: no wait for a double tap
        model.click()
        model.click()
        check_state(page, model, "two quick taps")
    check_pictures(page, pictures, model)


def pixel_ratios(page, url, pictures):
    """Every picture pixel a whole block of the screen's pixels, never blurred: at ratio 2 the
    screen shows the pictures doubled exactly; at 1.5 and 3 it shows only their colours."""
    model = Model()
    for width, height, ratio in ((514, 316, 2), (900, 600, 1.5), (700, 700, 3)):
        page.metrics(width, height, ratio)
        page.open(url)
        # The design whole, centred, as large as the viewport allows.
        box = page.js("const r = document.getElementById('TForm1').getBoundingClientRect();"
                      "return [r.left, r.top, r.width, r.height];")
        scale = min(width / 514, height / 316)
        check(abs(box[2] - 514 * scale) < 1 and abs(box[3] - 316 * scale) < 1 and
              abs(2 * box[0] + box[2] - width) < 2 and abs(2 * box[1] + box[3] - height) < 2,
              f"{width} x {height}: the window is at {box}, not centred at scale {scale:.2f}")
        check_pictures(page, pictures, model)
        shot = page.screenshot()
        for canvas, picture in shown_pictures(pictures, model).items():
            r = page.js("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                        "return [r.left, r.top, r.right, r.bottom];", canvas)
            left, top, right, bottom = (round(v * ratio) for v in r)
            colours = {c for row in picture for c in row}
            if ratio == 2 and width == 514:
                region = [(x, y) for y in range(top, bottom) for x in range(left, right)]
                wrong = sum(shot.getpixel((x, y)) != picture[(y - top) // 2][(x - left) // 2]
                            for x, y in region)
            else:  # a scaled window's edges fall between the screen's pixels: inside them
                region = [(x, y) for y in range(top + 1, bottom - 1) for x in range(left + 1, right - 1)]
                wrong = sum(shot.getpixel((x, y)) not in colours for x, y in region)
            check(wrong == 0, f"ratio {ratio}: {wrong} of {len(region)} screen pixels of {canvas} are off")


def ax_nodes(page):
    """Chromium's accessibility tree as a screen reader gets it: role, name, description, state."""
    nodes = page.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
    value = lambda n, k: (n.get(k) or {}).get("value")
    return [dict(role=value(n, "role"), name=value(n, "name"), description=value(n, "description"),
                 node=n.get("backendDOMNodeId"), **{p["name"]: p["value"].get("value") for p in n.get("properties", [])})
            for n in nodes if not n.get("ignored")]


def accessibility(page, url):
    """The page as a screen reader reads it, from Chromium's accessibility tree: what each
    control is and is named, the die's one button pressed as a click, the board described as
    the counters move, the log announced."""
    page.open(url)
    find = lambda role, name: [n for n in ax_nodes(page) if n["role"] == role and n["name"] == name]
    for button in ("1 Player", "2 Players", "Restart"):
        check(len(find("button", button)) == 1, f"no button {button}")
    (die,) = find("button", "Throw Die")
    check(die.get("keyshortcuts") == "T", f"the die's key is {die.get('keyshortcuts')}")
    check(not die.get("focusable"), "the die is in the Tab order")
    log = [n for n in ax_nodes(page) if n["role"] == "log"]
    check(len(log) == 1 and log[0].get("live") == "polite", f"the log is {log}")
    check(find("status", "Player1's Position: 1") and find("status", "Player2's Position: 1"),
          "the read-outs are not named for their players")
    page.el("#Player2").click()
    page.js("document.getElementById('Player1').click()")  # under the two-player window
    for caption, boxes in (("One Player Game", ["Please enter your name:"]),
                           ("Two Player Game", ["Please enter player1's name:", "Please enter player2's name:"])):
        check(find("dialog", caption), f"no dialog {caption}")
        for box in boxes:
            check(find("textbox", box), f"no name box labelled {box}")
    model = Model()
    page.el("#TForm2 [name=Button1]").click()
    page.el("#TForm3 [name=Button2]").click()
    model.choose(1)
    model.log = ["To start the game click on the die!"]
    for _ in range(3):  # pressed as a screen reader presses it
        model.push_readings(page)
        element = page.driver.execute_cdp_cmd("DOM.resolveNode", {"backendNodeId": die["node"]})
        page.driver.execute_cdp_cmd("Runtime.callFunctionOn", {
            "objectId": element["object"]["objectId"], "functionDeclaration": "function() { this.click(); }"})
        model.click()
        check_state(page, model, "the die pressed")
        (board,) = find("image", "Board")
        check(board["description"] == f"Green counter on square {model.pos[1]}, magenta counter on square {model.pos[2]}",
              f"the board is described as {board['description']!r} at {model.pos}")


def offline(page, site, pictures):
    """Kept on the first visit: with the network gone a reload plays a whole game. No request
    leaves the site, nothing is stored but the worker's copies, and a new build replaces them."""
    url = site.copy("offline")
    page.open(url)
    page.wait("navigator.serviceWorker.controller !== null", 20)  # the worker claims the page
    page.wait("!t('TForm1').hidden")
    page.driver.get_log("performance")  # only this game's requests from here on
    site.server.down = True
    page.driver.execute_cdp_cmd("Network.enable", {})
    page.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
        "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
    page.open(url)
    model = Model()
    page.el("#Player1").click()
    page.el("#TForm2 [name=Button1]").click()
    model.choose(1)
    model.log = ["To start the game click on the die!"]
    while model.active:
        click_die(page, model)
        check_state(page, model, "offline")
        check(model.throws < 600, "no winner")
    check_pictures(page, pictures, model)
    origin = url.split("/offline/")[0]
    requests = [json.loads(e["message"])["message"] for e in page.driver.get_log("performance")]
    urls = {m["params"]["request"]["url"] for m in requests if m["method"] == "Network.requestWillBeSent"}
    check(urls and all(u.startswith(origin + "/") for u in urls), f"requests: {sorted(urls)}")
    stored = page.driver.execute_async_script(
        "const done = arguments[0]; indexedDB.databases().then(d => done([document.cookie,"
        " localStorage.length, sessionStorage.length, d.length]));")
    check(stored == ["", 0, 0, 0], f"stored on the player's machine: {stored}")
    page.check_policy_kept()
    # A new build on the host: the next visit gets it, and it is what is kept from then on.
    folder = os.path.join(site.root, "offline")
    index = os.path.join(folder, "index.html")
    page_text = open(index).read().replace("<title>", '<meta name="build" content="2"><title>')
    open(index, "w").write(page_text)
    source = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "src", "web")
    subprocess.run([sys.executable, f"{source}/make_service_worker.py", f"{source}/sw.js.in",
                    folder, f"{folder}/sw.js"], check=True)
    version = open(f"{folder}/sw.js").read().split('VERSION = "')[1].split('"')[0]
    page.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
        "offline": False, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
    site.server.down = False
    page.open(url)
    check(page.js("return document.querySelector('meta[name=build]') !== null"), "the new build was not shown")
    page.driver.set_script_timeout(20)
    page.driver.execute_async_script(
        "const want = arguments[0], done = arguments[1];"
        "(function poll() { caches.keys().then(k => k.length === 1 && k[0] === want ? done() :"
        " setTimeout(poll, 100)); })();", version)
    site.server.down = True
    page.open(url)
    check(page.js("return document.querySelector('meta[name=build]') !== null"), "the old build is kept")
    site.server.down = False


def main():
    site_dir, transcript = sys.argv[1:3]
    wanted = sys.argv[3:] or ["start-up", "one-player", "two-players", "broken-pictures", "phone",
                              "pixel-ratios", "accessibility", "offline"]
    pictures = site_dir
    site = Site(site_dir)
    page = Page()
    url = site.copy("site")
    try:
        scenarios = {
            "start-up": lambda: start_up(page, url, pictures),
            "one-player": lambda: one_player_game(page, url, pictures, transcript),
            "two-players": lambda: two_player_game(page, url, pictures),
            "broken-pictures": lambda: broken_pictures(page, site, pictures),
            "phone": lambda: phone(page, url, pictures),
            "pixel-ratios": lambda: pixel_ratios(page, url, pictures),
            "accessibility": lambda: accessibility(page, url),
            "offline": lambda: offline(page, site, pictures),
        }
        for name in wanted:
            scenarios[name]()
            print(f"{name}: passed")
    finally:
        page.quit()
        site.close()


if __name__ == "__main__":
    main()
