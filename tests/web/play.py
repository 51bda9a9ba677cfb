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
import os
import shutil
import sys
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from board import JUMPS, read_bmp, square_at  # noqa: E402

PICTURES = ["brimb.bmp", "counter.bmp", "counter2.bmp"] + [f"d{v}.bmp" for v in range(1, 7)]
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


class Random:
    """The game's random source: one 32-bit linear congruential generator."""

    def __init__(self):
        self.seed = 0

    def uniform(self, n):
        self.seed = (self.seed * 134775813 + 1) & 0xFFFFFFFF
        return n * self.seed >> 32


class Model:
    """The rules, written out again: what each click must show."""

    def __init__(self, first=FIRST_READING, step=STEP):
        self.next_push, self.step, self.readings = first, step, []
        self.random = Random()
        self.pos = {1: 1, 2: 1}
        self.turn, self.mode, self.active = 1, 1, False
        self.names = {"one": "Player1", "first": "Player1", "second": "Player2"}
        self.log = ["Welcome to ", "Brimblet.", "Please choose the number ", "of players:"]
        self.face, self.throws = None, 0

    def name(self):
        if self.mode == 1:
            return self.names["one"] if self.turn == 1 else "Fred"
        return self.names["first"] if self.turn == 1 else self.names["second"]

    def throw(self, bound, human):
        self.random.seed = (self.readings.pop(0) if len(self.readings) > 1 else self.readings[0])
        self.throws += 1
        for _ in range(self.random.uniform(bound) + 1):
            self.face = self.random.uniform(6) + 1
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
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=o)
        self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": CLOCK})

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


def check_pictures(page, pictures, model, counters=True):
    """The board shows its picture with both counters on their squares, and the die its face:
    every pixel of each canvas shows the picture's pixel it lies in, whatever the scale."""
    board = read_bmp(f"{pictures}/brimb.bmp")
    expected = [row[:] for row in board]
    if counters:
        for player, file in ((1, "counter.bmp"), (2, "counter2.bmp")):
            x0, y0 = square_at(model.pos[player])
            for y, row in enumerate(read_bmp(f"{pictures}/{file}")):
                expected[y0 + y][x0:x0 + len(row)] = row
    for canvas, picture in (("Image1", expected),
                            ("Image2", read_bmp(f"{pictures}/d{model.face or 1}.bmp"))):
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
        page.driver.execute_cdp_cmd("Input.dispatchKeyEvent", {
            "type": "keyDown", "key": "t", "code": "KeyT", "text": "t",
            "windowsVirtualKeyCode": 84, "autoRepeat": held})
        page.driver.execute_cdp_cmd("Input.dispatchKeyEvent", {
            "type": "keyUp", "key": "t", "code": "KeyT", "windowsVirtualKeyCode": 84})
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


def main():
    site_dir, transcript = sys.argv[1:3]
    wanted = sys.argv[3:] or ["start-up", "one-player", "two-players", "broken-pictures"]
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
        }
        for name in wanted:
            scenarios[name]()
            print(f"{name}: passed")
    finally:
        page.quit()
        site.close()


if __name__ == "__main__":
    main()
