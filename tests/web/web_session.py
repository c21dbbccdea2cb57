#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program for the browser as a pupil meets it: the zip's folder on a local web server, in
one of three engines (Debian's Chromium, Firefox ESR and WebKitGTK, each driven over its own
protocol through one interface: tools/browser), used with clicks, taps and keys.

Usage: web_session.py ENGINE ZIP DESCRIPTION LINUX-PICTURES OUTPUT-DIR
       (ENGINE: chromium, firefox or webkit)

What the program shows is read from its page (the title of the window in front, what it tells a
screen reader) and from the canvas's pixels; the start window and its result of 7 ÷ 2 are held
against the Linux build's pictures (LINUX-PICTURES: start-window.png, start-window-result.png).
Every session ends with no error in the page's console.
"""
import json, os, re, shutil, subprocess, sys, time, zipfile  # noqa: E401

here = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [os.path.join(here, "..", "e2e"), os.path.join(here, "..", "..", "tools", "browser")]
from bidi import Firefox  # noqa: E402
from browser import Crashed, Failure, serve, until  # noqa: E402
from devtools import Chromium  # noqa: E402
from session import SHAPES, START  # noqa: E402  (the values typed in each shape window)
from webdriver import WebKit  # noqa: E402
import accessible, robust  # noqa: E401,E402

ENGINES = {"chromium": Chromium, "firefox": Firefox, "webkit": WebKit}

WELCOME = "ترحيب\nأهلا و سهلا بكم في كوزماط الإصدار الأول"
ENDED = "انتهى كوزماط. مع السلامة."
# The k-th window opened has its client area at FIRST + k * STEP: the first one's frame is at the
# page's top left, each next one a title bar and borders further.
FIRST, STEP = (4, 26), 30
PAINTED = (190, 482, "c0c0ff")  # a pixel of the start window once drawn: its greeting label
RECORD = """window.kozmatTold = [];
for (const name of ["kozmat-say", "kozmat-window", "kozmat-ended", "kozmat-typing"])
  document.addEventListener(name, (event) => window.kozmatTold.push([name, event.detail]));"""


class Program:
    """The program's page in a browser (any engine: what it offers is the browser's), what the
    program told the page, and where its windows are: places are (x, y, width, height) in a
    window's client area."""

    def __init__(self, browser, url):
        self.browser, self.url, self.opened, self.origins, self.figures = browser, url, 0, {}, {}

    def __getattr__(self, name):
        return getattr(self.browser, name)

    def told(self, kind):
        return [d for e, d in self.js("window.kozmatTold || []") if e == f"kozmat-{kind}"]

    def line(self):
        return self.js("document.getElementById('text')?.textContent ?? ''")

    def hear(self, text, since):
        until(f"the program to say {text!r}", lambda: text in self.told("say")[since:])

    def in_front(self, title):
        until(f"the window {title!r} in front", lambda: self.told("window")[-1:] == [title])

    def opens(self, title):
        """Waits for a new window in front, and notes where it is: on a page narrower than a
        window, each opens at the top left."""
        self.in_front(title)
        k = self.opened if self.size[0] > 600 else 0
        self.origins[title] = (FIRST[0] + STEP * k, FIRST[1] + STEP * k)
        self.opened += 1
        return self.origins[title]

    def load(self):
        """The page loaded anew; returns the seconds to the welcome box drawn."""
        began, self.opened, self.origins = time.monotonic(), 0, {}
        self.navigate(self.url)
        self.hear(WELCOME, 0)
        self.in_front("ترحيب")
        # The box is centred on the page: drawn when the middle is neither the canvas's white
        # nor the screen's background.
        middle = self.js("[innerWidth >> 1, innerHeight >> 1]")
        until("the welcome box drawn", lambda: self.pixel(*middle) not in ("333333", "ffffff"))
        if START in self.told("window"):
            raise Failure("the start window came before the welcome box was answered")
        return time.monotonic() - began

    def start(self):
        """Return on the welcome box; returns the seconds to the start window drawn."""
        began = time.monotonic()
        self.key("Enter", "\r", 13)
        x, y = self.opens(START)
        until("the start window drawn", lambda: self.pixel(x + PAINTED[0], y + PAINTED[1]) ==
              PAINTED[2])
        return time.monotonic() - began

    def at(self, title, place):
        """The middle of a place in the window of that title, or of the page without one."""
        x, y = self.origins[title] if title else (0, 0)
        return x + place[0] + place[2] // 2, y + place[1] + place[3] // 2

    def type_into(self, title, box, text):
        """Clicks the box, selects all and types, key by key (Arabic-Indic digits too)."""
        self.click(*self.at(title, box["place"]))
        self.key("a", virtual=65, code="KeyA", modifiers=2)  # Ctrl
        for ch in text:
            digit = str(int(ch)) if ch.isdigit() else None
            self.key(ch, ch, ord(digit) if digit else 0, f"Digit{digit}" if digit else ch)

    def compute(self, title, button, expected, tap=False):
        since = len(self.told("say"))
        (self.tap if tap else self.click)(*self.at(title, button["place"]))
        self.hear(f"النتيجة {expected}", since)

    def part(self, name, title, place):
        """A picture of a place in a window."""
        return self.shot(name, (*self.at(title, (*place[:2], 0, 0)), *place[2:]))

    def __enter__(self):
        return self

    def __exit__(self, kind, value, traceback):
        if kind is not None:
            try:
                print("--- what the program told the page last:", self.js(
                    "JSON.stringify(window.kozmatTold).slice(-600)"))
            except Exception:
                pass

    def running(self):
        """The versions of the page and of the program it runs."""
        return self.js("[document.documentElement.dataset.version, "
                       "document.documentElement.dataset.program]")


def similarity(a, b):
    """The share of pixels (in %) alike in two pictures of one size, as the Wine test counts."""
    sizes = [subprocess.run(["identify", "-format", "%w %h", p], capture_output=True,
                            text=True).stdout for p in (a, b)]
    if sizes[0] != sizes[1]:
        raise Failure(f"{a} is {sizes[0]}, {b} is {sizes[1]}")
    differing = subprocess.run(["compare", "-metric", "AE", "-fuzz", "10%", a, b, "null:"],
                               capture_output=True, text=True).stderr.split()[0]
    w, h = map(int, sizes[0].split())
    return 100 * (1 - float(differing) / (w * h))


def alike(b, what, shot, linux):
    share = b.figures[what] = similarity(shot, linux)
    print(f"  {what}: {share:.1f} % of pixels alike in {b.name} and on Linux")
    if share < 97:
        raise Failure(f"{what} looks different in {b.name} ({share:.1f} %)")


def pupil(b, described, server, linux):
    """What a pupil does in an Arabic browser: the page loading, the welcome, the calculator,
    an error, the contact buttons, the menu, the farewell, the ended page, a start again."""
    # A slow network first, so that the loading line is seen with its progress.
    server.rate = 6_000_000
    b.navigate(b.url)
    line = until("the loading line", lambda: (lambda t: any(c in t for c in "%٪") and t)(
        b.line()))
    if not line.startswith("جارٍ تحميل كوزماط"):
        raise Failure(f"while loading the page says {line!r}")
    b.shot("loading.png")
    server.rate = None
    b.figures["welcome"] = b.load()
    print(f"  loading: {line!r}; welcome box drawn {b.figures['welcome']:.2f} s after "
          f"navigation, start window {b.start():.2f} s after Return (the files in the "
          "browser's cache)")
    form = next(w for w in described["windows"] if w["caption"] == START)
    alike(b, "the start window", b.part("start.png", START, (0, 0, *form["size"])),
          os.path.join(linux, "start-window.png"))

    calcs = {c["option"]["accessibleName"]: c for c in described["calculators"]
             if c["window"] == form["form"]}
    division = calcs["القسمة (/)"]
    first, second = division["inputs"]
    b.type_into(START, first, "٧")
    b.type_into(START, second, "2")
    for operation, expected in [("الجمع (+)", "9"), ("الطرح (-)", "5"), ("الضرب (*)", "14"),
                                ("القسمة (/)", "3.5")]:
        b.click(*b.at(START, calcs[operation]["option"]["place"]))
        b.compute(START, calcs[operation]["button"], expected)
    print("  ٧ and 2: + 9, - 5, × 14, ÷ 3.5")
    result = b.part("result.png", START, division["output"]["place"])
    alike(b, "7 ÷ 2", result, os.path.join(linux, "start-window-result.png"))

    b.type_into(START, first, "5")
    b.type_into(START, second, "0")
    since = len(b.told("say"))
    b.click(*b.at(START, division["button"]["place"]))
    b.hear("كوزماط\nخطأ 11: القسمة على صفر", since)
    b.in_front("كوزماط")
    b.shot("error.png")
    b.key("Enter", "\r", 13)
    b.in_front(START)
    if similarity(b.part("kept.png", START, division["output"]["place"]), result) < 100:
        raise Failure("the result of 7 ÷ 2 changed with the error box")
    b.type_into(START, second, "4")
    b.compute(START, division["button"], "1.25")
    print("  5 ÷ 0: error 11 in a box over the window; 3.5 and the 5 typed stayed (÷ 4: 1.25)")

    for contact in (c for c in described["contacts"] if c["window"] == form["form"]):
        since = len(b.told("say"))
        b.click(*b.at(START, contact["button"]["place"]))
        b.hear(contact["text"], since)
    print("  the credits and contact buttons")

    for shape in (w for w in described["windows"] if "menuButton" in w):
        title, (w, h) = shape["caption"], shape["size"]
        b.click(*b.at(START, shape["menuButton"]["place"]))
        x, y = b.opens(title)
        colour = SHAPES[shape["form"]]["colour"].lower()
        for px, py in [(2, 2), (w - 3, h - 3)]:
            until(f"{title!r} drawn", lambda: b.pixel(x + px, y + py) == colour)
        if b.pixel(x + w + 6, y + h + 6) == colour:
            raise Failure(f"{title!r} is larger than {w} x {h}")
        b.part(f"{shape['form']}.png", title, (0, 0, w, h))
        calcs = [c for c in described["calculators"] if c["window"] == shape["form"]]
        if calcs:
            values, expected = SHAPES[shape["form"]]["results"][calcs[0]["button"]["name"]]
            for box, value in zip(calcs[0]["inputs"], values, strict=True):
                b.type_into(title, box, value)
            b.compute(title, calcs[0]["button"], expected)
        print(f"  {title}: {w} x {h} at {x}, {y}" + (f", {expected}" if calcs else ""))
        # Back to the start window, by its title bar's corner that no other window covers.
        b.click(*b.at(None, (6, 6, 8, 8)))
        b.in_front(START)

    since = len(b.told("say"))
    b.click(*b.at(START, (16, 528, 89, 25)))  # خروج
    b.hear("توديع\nمع السلامة", since)
    b.in_front("توديع")
    b.key("Enter", "\r", 13)
    until("the page's ended state", lambda: b.line() == ENDED and b.js(
        "getComputedStyle(document.getElementById('screen')).display") == "none")
    b.shot("ended.png")
    b.js("document.getElementById('again').click()")
    until("the welcome box again", lambda: WELCOME in b.told("say"))
    print(f"  farewell; the page says {ENDED!r}; its button starts the program again")


def french(b, described, server, linux):
    """A French browser shows the comma; the close box of the last window ends the program."""
    b.load()
    b.start()
    form = next(w for w in described["windows"] if w["caption"] == START)
    division = next(c for c in described["calculators"] if c["window"] == form["form"] and
                    c["option"]["accessibleName"] == "القسمة (/)")
    b.type_into(START, division["inputs"][0], "7")
    b.type_into(START, division["inputs"][1], "2")
    b.click(*b.at(START, division["option"]["place"]))
    b.compute(START, division["button"], "3,5")
    b.click(*b.at(START, (form["size"][0] - 14, -18, 8, 8)))  # the close box, in the title bar
    until("the page's ended state", lambda: b.line() == ENDED)
    print("  7 ÷ 2 in a French browser: 3,5; the start window's close box ends the program")


def unable(b, described, server, linux):
    """Browsers without WebAssembly or WebGL are told so in Arabic."""
    for lacking, script in [("WebAssembly", "delete window.WebAssembly;"),
                            ("WebGL", "HTMLCanvasElement.prototype.getContext = () => null;")]:
        added = b.add_script(script)
        b.navigate(b.url)
        text = until("the page's sentence", lambda: "WebGL" in b.line() and b.line())
        if not text.startswith("لا يعمل كوزماط في هذا المتصفح"):
            raise Failure(f"a browser without {lacking} is told {text!r}")
        b.remove_script(added)
    print("  a browser without WebAssembly, and one without WebGL, are told so in Arabic")


def phone(b, described, server, linux):
    """A phone held upright with a touch screen: installable, the number pad, the live region,
    windows wider than the page scrolled; then the page again with the server gone. In an
    engine whose driver cannot touch, a small window used with a mouse and keys."""
    b.load()
    b.start()
    if b.installable() is False:
        raise Failure("the manifest is refused, or the page cannot be installed")
    press = b.tap if b.touch else b.click
    form = next(w for w in described["windows"] if w["caption"] == START)
    times = next(c for c in described["calculators"] if c["window"] == form["form"] and
                 c["option"]["accessibleName"] == "الضرب (*)")
    b.shot("start.png")
    for box, text in zip(times["inputs"], ("٢٫٥", "14")):
        press(*b.at(START, box["place"]))
        if b.touch and b.js("document.activeElement.inputMode") != "decimal":
            raise Failure("a tapped box gives the focus to no field with a number pad")
        b.type(text)
        b.shot(f"typed-{text}.png")
    press(*b.at(START, times["option"]["place"]))
    # The start window is wider than the page: its button, and the menu's right column, are
    # reached by scrolling it.
    b.wheel(180, 300, 600, 0)
    hidden = form["size"][0] - b.size[0] + 8
    since = len(b.told("say"))
    place = times["button"]["place"]
    press(*b.at(START, (place[0] - hidden, *place[1:])))
    b.hear("النتيجة 35", since)
    if b.js("document.getElementById('spoken').textContent") != "النتيجة 35" or \
            b.js("document.getElementById('screen').ariaLabel") != START:
        raise Failure("the live region or the canvas's label tell something else")
    print(("  installable; " if b.installable() else "  ") +
          ("٢٫٥ and 14 on the number pad" if b.touch else "٢٫٥ and 14 typed (no touch)") +
          ": × 35, in the live region")
    square = next(w for w in described["windows"] if w["form"] == "المربع")
    menu = square["menuButton"]["place"]
    press(*b.at(START, (menu[0] - hidden, *menu[1:])))
    x, y = b.opens(square["caption"])
    colour = SHAPES[square["form"]]["colour"].lower()
    until("the square's window drawn", lambda: b.pixel(x + 2, y + 2) == colour)
    b.wheel(180, 300, 600, 0)
    credit = next(c for c in described["contacts"] if c["window"] == "المربع" and
                  c["button"]["accessibleName"] == "المصمم")
    place = credit["button"]["place"]
    since = len(b.told("say"))
    press(*b.at(square["caption"], (place[0] - hidden, *place[1:])))
    b.hear(credit["text"], since)
    b.shot("square-scrolled.png")
    kept(b)
    server.shutdown()
    server.server_close()
    print(f"  {square['caption']} at {b.size[0]} x {b.size[1]}, scrolled to its bottom row's "
          f"end; with the server gone, the welcome box drawn {b.load():.2f} s after navigation")


def kept(b):
    """Waits for the page kept for the next visit: a service worker was active, its files kept.
    (Firefox may show a page whose new service worker took over a registration without any
    worker, for a minute and more; its next visit is served by the new one all the same.)"""
    return until("the program kept", lambda: b.js(
        "navigator.serviceWorker.ready.then(() => caches.keys())"))


def versions(b, described, server, linux):
    """A new version on the server meets no old one: the visit after it came runs the kept
    version whole, the one after that the new one whole."""
    def visit(expected):
        b.load()
        b.start()
        if b.running() != [expected, expected]:
            raise Failure(f"expected version {expected} whole, the page and the program are "
                          f"{b.running()}")
    with open(os.path.join(server.folder, "index.html"), encoding="utf-8") as f:
        old = re.search(r'data-version="([^"]+)"', f.read())[1]
    visit(old)
    first = kept(b)
    # The new version: the same files but its version, and its service worker's set.
    new = old[:-1] + ("1" if old[-1] != "1" else "2")
    folder = os.path.join(b.out, "new")
    shutil.copytree(server.folder, folder)
    for name in ("index.html", "kozmat.wasm"):
        with open(os.path.join(folder, name), "rb") as f:
            data = f.read()
        mark = f'data-version="{old}"' if name == "index.html" else old
        if data.count(mark.encode()) != 1:
            raise Failure(f"{name} holds {data.count(mark.encode())} times {mark!r}, not once")
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data.replace(mark.encode(), mark.replace(old, new).encode()))
    for name in os.listdir(folder):  # served as they are: the old version's copies go
        if name.endswith((".br", ".gz")):
            os.remove(os.path.join(folder, name))
    page = os.path.join(here, "..", "..", "src", "platform", "web")
    files = sorted(f for f in os.listdir(folder) if f not in ("sw.js", "page-files"))
    subprocess.run(["cmake", f"-DDIR={folder}", f"-DIN={os.path.join(page, 'sw.js.in')}",
                    f"-DFILES={';'.join(files)}", "-P", os.path.join(page, "kept.cmake")],
                   check=True)
    server.folder = folder
    visit(old)
    until("the new version kept instead", lambda: (lambda k: len(k) == 1 and k != first)(
        kept(b)))
    visit(new)
    print(f"  {old} used and kept; {new} on the server: the next visit runs {old} whole, the "
          f"one after {new} whole")


def quirks(b, described, server, linux):
    """A browser's odd answers, given before the program starts: the program works on."""
    robust.quirks(b, described)


def strict(b, described, server, linux):
    """The pupil's whole session, the page served under a school's strict policy."""
    robust.strict(b, described, server, linux, pupil)


def c_locale(b, described, server, linux):
    """A browser whose language is "C": 7 ÷ ٢ = 3.5 and 5 ÷ 0 error 11's box all the same."""
    if b.js("navigator.language") != "C":
        raise Failure(f"the language is {b.js('navigator.language')!r}, not 'C'")
    robust.computes(b, described)
    print("  language 'C': 3.5, error 11")


def packed(site):
    """Beside each file of text or code, its brotli and gzip copies, holding that file: a
    server sends them in its stead (the sessions are served so)."""
    names = os.listdir(site)
    for name in sorted(n for n in names if n.endswith((".wasm", ".js", ".html", ".css"))):
        with open(os.path.join(site, name), "rb") as f:
            raw = f.read()
        for suffix, unpack in [(".br", "brotli"), (".gz", "gzip")]:
            if name + suffix not in names or subprocess.run(
                    [unpack, "-d", "-c", os.path.join(site, name + suffix)],
                    capture_output=True).stdout != raw:
                raise Failure(f"{name}{suffix} is missing, or is not {name} compressed")


def main():
    engine, archive, described, linux, out = sys.argv[1:6]
    Engine = ENGINES[engine]
    shutil.rmtree(out, ignore_errors=True)
    with zipfile.ZipFile(archive) as z:
        z.extractall(os.path.join(out, "site"))
    with open(described, encoding="utf-8") as f:
        described = json.load(f)
    site = os.path.join(out, "site", os.listdir(os.path.join(out, "site"))[0])
    figures, failed, crashed = {}, [], []
    try:
        packed(site)
    except Failure as failure:
        print(f"FAIL: {failure}")
        failed.append("packed")
    desk = (1280, 900)
    sessions = [(pupil, "ar", desk), (french, "fr-FR", desk), (unable, "ar", desk),
                (phone, "ar", (360, 740)), (versions, "ar", desk), (quirks, "ar", desk),
                (strict, "ar", desk)]
    if engine == "webkit":
        sessions.append((c_locale, "ar", desk))
    if engine == "chromium":  # the one whose accessibility tree its protocol gives
        sessions.append((accessible.heard, "ar", desk))
    for session, language, size in sessions:
        print(f"{session.__name__}:", flush=True)
        began = time.monotonic()
        os.makedirs(os.path.join(out, session.__name__), exist_ok=True)
        server, url = serve(site)  # its own, which the phone's session stops
        try:
            # WebKitGTK in the C library's own locale gives pages the language "C" (LANG=C
            # itself gives "en-US").
            env = {"LANG": "C.UTF-8"} if session is c_locale else None
            with Engine(os.path.join(out, session.__name__), language, size, RECORD,
                        session is phone, env) as browser, Program(browser, url) as b:
                session(b, described, server, linux)
                b.clean()
                # The first session's figures: the strict policy's runs the pupil's again.
                figures = {**b.figures, "version": browser.version, **figures}
            print(f"  ({time.monotonic() - began:.0f} s, no error in the page)")
        except Failure as failure:
            # The sessions after it still run: what else fails in this engine is seen too. One
            # whose browser crashed (the engine's fault, not the page's) runs once more, last.
            again = isinstance(failure, Crashed) and session.__name__ not in crashed
            print(f"{'CRASHED' if again else 'FAIL'}: {session.__name__}: {failure}")
            (crashed if again else failed).append(session.__name__)
            sessions += [(session, language, size)] if again else []
        server.shutdown()
    if failed:
        print(f"FAIL: in {Engine.name}, {', '.join(failed)}")
        sys.exit(1)
    print(f"PASS: the program in {Engine.name} {figures['version']}, as a pupil uses it: start "
          f"window {figures['the start window']:.1f} % and 7 ÷ 2 {figures['7 ÷ 2']:.1f} % of "
          f"pixels alike Linux; welcome box {figures['welcome']:.2f} s after navigation; no "
          f"error in the page; screenshots in {out}")


if __name__ == "__main__":
    main()
