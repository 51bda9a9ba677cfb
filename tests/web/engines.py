"""The browsers the games of play.py are played in, each behind the same few operations: open a
page, run a script in it, press the mouse, keys and text, size the viewport. Chromium and
WebKit (WebKitGTK's MiniBrowser, in an X display) through Selenium, Firefox through puppeteer-core over WebDriver
BiDi (firefox.mjs, a command a line). Each fixes the page's clock before the page's own scripts
run: Chromium and Firefox by their protocols, WebKit, which has none, by a script of the same
origin served as the page's first."""
import json
import os
import subprocess
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.remote.remote_connection import RemoteConnection

RemoteConnection.set_timeout(90)  # a driver that never answers fails the game, with where it was

HERE = os.path.dirname(os.path.abspath(__file__))
MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"

# Where an element is as the player sees it: the box that hit-testing gives it, found with
# elementFromPoint (a coarse search for one point, then each edge to a 64th of a pixel). It is
# what a click reaches in every engine, whatever the engine's boxes say under CSS zoom.
SEEN = """const el = document.querySelector(arguments[0]);
const hits = (x, y) => { const e = document.elementFromPoint(x, y); return e !== null && (e === el || el.contains(e)); };
let x = -1, y = -1;
for (let b = 1; b < innerHeight && x < 0; b += 4) for (let a = 1; a < innerWidth; a += 4) if (hits(a, b)) { x = a; y = b; break; }
if (x < 0) return null;
const edge = (inside, outside, at) => { for (let i = 0; i < 12; i++) { const m = (inside + outside) / 2; if (at(m)) inside = m; else outside = m; } return (inside + outside) / 2; };
return [edge(x, -1, a => hits(a, y)), edge(y, -1, b => hits(x, b)),
        edge(x, innerWidth + 1, a => hits(a, y)), edge(y, innerHeight + 1, b => hits(x, b))];"""

KEYS = {"Enter": Keys.ENTER, "Tab": Keys.TAB}


def first_script(folder, name, source):  # a script of the site's own, run before the page's
    open(os.path.join(folder, name), "w").write(source)
    text = open(os.path.join(folder, "index.html")).read()
    open(os.path.join(folder, "index.html"), "w").write(text.replace("<script ", f'<script src="{name}"></script><script ', 1))


class Engine:
    name = ""
    devtools = False  # Chromium's DevTools protocol: phones, touch, pixel ratios, the network
    axe = True        # axe-core runs in it

    def __init__(self):
        self.seen_cache = {}

    def prepare(self, folder):  # a copy of the site, before it is served
        pass

    def open(self, url, fresh=True):  # fresh: the game the tab keeps is forgotten first, as a new tab's is
        self.seen_cache = {}
        if fresh:
            self.js("try { sessionStorage.clear(); } catch (e) { /* not yet on the site */ }")
        self.get(url)
        self.wait("!t('TForm1').hidden || !t('ErrorBox').hidden")

    def wait(self, condition, seconds=10):  # a page between documents answers nothing yet
        end = time.time() + seconds
        while not self.try_js(f"const t = id => document.getElementById(id); return {condition};"):
            if time.time() > end:
                raise AssertionError(f"{self.name}: waited {seconds} s for {condition}")
            time.sleep(0.05)

    def try_js(self, script):
        try:
            return self.js(script)
        except Exception:  # noqa: BLE001
            return None

    def seen(self, selector):
        if selector not in self.seen_cache:
            box = self.js(SEEN, selector)
            if box is None:
                raise AssertionError(f"{self.name}: {selector} is nowhere to be seen")
            self.seen_cache[selector] = box
        return self.seen_cache[selector]

    def middle(self, selector):
        left, top, right, bottom = self.seen(selector)
        return (left + right) / 2, (top + bottom) / 2

    def click(self, selector):
        x, y = self.middle(selector)
        self.mouse([("move", x, y), ("down",), ("up",)])

    def drag(self, selector, dx, dy):  # held still at the end; a mouse stays inside the viewport
        x, y = self.middle(selector)
        width, height = self.js("return [innerWidth, innerHeight]")
        self.seen_cache = {}
        self.mouse([("move", x, y), ("down",)] + [("move", min(x + dx * i / 5, width - 1), min(y + dy * i / 5, height - 1))
                                                  for i in range(1, 6)] + [("pause", 0.2), ("up",)])

    def fill(self, selector, text):  # the box focused, its text selected and typed over
        self.js("const e = document.querySelector(arguments[0]); e.focus(); e.select();", selector)
        self.type(text)

    def key_t(self, held=False):  # held: Chromium alone can say so
        self.key("t")

    def go(self, url=None):  # to url as a link goes, or Back; the script's own call ends before the page goes
        self.js(f"setTimeout(() => {f'location.href = {url!r}' if url else 'history.back()'}, 0)")

    def resize(self, width, height, ratio=1, mobile=False):  # the viewport in CSS pixels; Chromium alone takes the rest
        self.seen_cache = {}
        self.viewport(width, height, ratio, mobile)
        if not mobile:  # a phone lays out a page without a viewport of its own wider than its screen
            self.wait(f"innerWidth === {width} && innerHeight === {height}")


class SeleniumEngine(Engine):
    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def js_async(self, body, *args):  # body returns a promise
        self.driver.set_script_timeout(30)
        return self.driver.execute_async_script(
            f"const done = arguments[arguments.length - 1]; Promise.resolve((function () {{ {body} }}).apply(null,"
            " [...arguments].slice(0, -1))).then(done, e => done({error: String(e)}));", *args)

    def get(self, url):
        # Chromium drops a navigation begun while a new worker of the page's takes over (after a
        # change of language) and never says the page loaded: it is given up after 30 s and made
        # once more. The language games wait for the worker.
        from selenium.common.exceptions import TimeoutException
        self.driver.set_page_load_timeout(30)
        try:
            self.driver.get(url)
        except TimeoutException:
            self.driver.get(url)

    def mouse(self, steps):
        actions = ActionBuilder(self.driver)
        for step in steps:
            if step[0] == "move":
                actions.pointer_action.move_to_location(round(step[1]), round(step[2]))
            elif step[0] == "pause":
                actions.pointer_action.pause(step[1])
            else:
                getattr(actions.pointer_action, "pointer_" + step[0])()
        actions.perform()

    def key(self, name):
        chain = ActionChains(self.driver)
        if name.startswith("Shift+"):
            chain.key_down(Keys.SHIFT).send_keys(KEYS[name[6:]]).key_up(Keys.SHIFT)
        else:
            chain.send_keys(KEYS.get(name, name))
        chain.perform()

    def type(self, text):
        ActionChains(self.driver).send_keys(text).perform()

    def quit(self):
        self.driver.quit()


class Chromium(SeleniumEngine):
    name, devtools = "chromium", True

    def __init__(self, clock):
        super().__init__()
        o = webdriver.ChromeOptions()
        o.binary_location = "/usr/bin/chromium"
        for a in ("headless=new", "no-sandbox", "disable-gpu", "no-first-run", "disable-sync",
                  "disable-background-networking", "disable-component-update", "window-size=900,700"):
            o.add_argument("--" + a)
        o.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
        if os.environ.get("BRIMBLET_BROWSER_LANGUAGE"):  # the player's language, as the browser's settings give it
            o.add_argument("--lang=" + os.environ["BRIMBLET_BROWSER_LANGUAGE"])
            o.add_experimental_option("prefs", {"intl.accept_languages": os.environ["BRIMBLET_BROWSER_LANGUAGE"]})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=o)
        self.cdp("Page.addScriptToEvaluateOnNewDocument", source=clock)

    def cdp(self, command, **params):
        return self.driver.execute_cdp_cmd(command, params)

    def viewport(self, width, height, ratio, mobile):
        self.cdp("Emulation.setDeviceMetricsOverride", width=width, height=height, deviceScaleFactor=ratio, mobile=mobile)

    def tap(self, selector, drag=None):  # a finger on an element's middle, or dragged from there
        x, y = self.middle(selector)
        self.seen_cache = {}
        self.cdp("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
        for step in (1, 2, 3, 4, 5, 5) if drag else ():  # held still at the end: no fling
            time.sleep(0.2 if step == 5 else 0)
            self.cdp("Input.dispatchTouchEvent", type="touchMove",
                     touchPoints=[{"x": x + drag[0] * step / 5, "y": y + drag[1] * step / 5}])
        self.cdp("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    def key_t(self, held=False):
        for kind in ("keyDown", "keyUp"):
            self.cdp("Input.dispatchKeyEvent", type=kind, key="t", code="KeyT", text="t", autoRepeat=held)


class WebKit(SeleniumEngine):
    """WebKitGTK's MiniBrowser, which has no headless mode: run under xvfb-run."""
    name, axe = "webkit", False

    def __init__(self, clock):
        super().__init__()
        self.clock = clock
        o = webdriver.WebKitGTKOptions()
        o.binary_location = MINIBROWSER
        o.add_argument("--automation")
        self.driver = webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver", options=o)

    def prepare(self, folder):
        first_script(folder, "clock.js", self.clock)

    def go(self, url=None):  # WebKitWebDriver now and then never answered a script run while the
        self.driver.get(url) if url else self.driver.back()  # page went Back by its own doing

    def viewport(self, width, height, ratio, mobile):  # the window grown by what its frame takes
        self.driver.set_window_size(width, height)
        inner = self.js("return [innerWidth, innerHeight]")
        self.driver.set_window_size(2 * width - inner[0], 2 * height - inner[1])



class Firefox(Engine):
    name = "firefox"

    def __init__(self, clock):
        super().__init__()
        self.bridge = subprocess.Popen(["node", os.path.join(HERE, "firefox.mjs")], stdin=subprocess.PIPE,
                                       stdout=subprocess.PIPE, text=True)
        self.send("script", source=clock)

    def send(self, what, **command):
        self.bridge.stdin.write(json.dumps(dict(command, do=what)) + "\n")
        self.bridge.stdin.flush()
        answer = json.loads(self.bridge.stdout.readline() or '{"error": "firefox.mjs ended"}')
        if "error" in answer:
            raise AssertionError(f"firefox: {what}: {answer['error']}")
        return answer["value"]

    def js(self, script, *args):
        return self.send("js", body=script, args=list(args))

    js_async = js

    def get(self, url):
        self.send("goto", url=url)

    def mouse(self, steps):
        self.send("mouse", steps=steps)

    def key(self, name):
        self.send("key", key=name)

    def type(self, text):
        self.send("type", text=text)

    def viewport(self, width, height, ratio, mobile):
        self.send("viewport", width=width, height=height)

    def quit(self):
        self.bridge.stdin.close()  # firefox.mjs closes Firefox and ends
        self.bridge.wait(20)


ENGINES = {"chromium": Chromium, "firefox": Firefox, "webkit": WebKit}
