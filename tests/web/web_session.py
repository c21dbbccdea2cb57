#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program for the browser as a pupil meets it: the zip's folder on a local web server, in
Debian's headless Chromium driven over the DevTools protocol, used with clicks and keys.

Usage: web_session.py ZIP DESCRIPTION LINUX-PICTURES OUTPUT-DIR

What the program shows is read from its page (the title of the window in front, what it tells a
screen reader) and from the canvas's pixels; the start window and its result of 7 ÷ 2 are held
against the Linux build's pictures (LINUX-PICTURES: start-window.png, start-window-result.png).
"""
import json, os, shutil, subprocess, sys, time, zipfile  # noqa: E401

here = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [os.path.join(here, "..", "e2e"), os.path.join(here, "..", "..", "tools", "browser")]
from devtools import Chromium, Failure, serve, until  # noqa: E402
from session import SHAPES, START  # noqa: E402  (the values typed in each shape window)
from robust import quirks, strict  # noqa: E402

WELCOME = "ترحيب\nأهلا و سهلا بكم في كوزماط الإصدار الأول"
ENDED = "انتهى كوزماط. مع السلامة."
# The k-th window opened has its client area at FIRST + k * STEP: the first one's frame is at the
# page's top left, each next one a title bar and borders further.
FIRST, STEP = (4, 26), 30
PAINTED = (190, 482, "c0c0ff")  # a pixel of the start window once drawn: its greeting label
RECORD = """window.kozmatTold = [];
for (const name of ["kozmat-say", "kozmat-window", "kozmat-ended", "kozmat-typing"])
  document.addEventListener(name, (event) => window.kozmatTold.push([name, event.detail]));"""


class Browser(Chromium):
    """The program's page in Chromium, what the program told the page, and where its windows
    are: places are (x, y, width, height) in a window's client area."""

    def __init__(self, out, url, language="ar", size=(1280, 900)):
        super().__init__(out, language, size, RECORD)
        self.url, self.opened, self.origins = url, 0, {}

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

    def __exit__(self, kind, value, traceback):
        if kind is not None:
            try:
                print("--- what the program told the page last:", self.js(
                    "JSON.stringify(window.kozmatTold).slice(-600)"))
            except Exception:
                pass
        return super().__exit__(kind, value, traceback)


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


def alike(what, a, b):
    share = similarity(a, b)
    print(f"  {what}: {share:.1f} % of pixels alike in the browser and on Linux")
    if share < 97:
        raise Failure(f"{what} looks different in the browser ({share:.1f} %)")


def pupil(b, described, linux):
    """What a pupil does in an Arabic browser: the page loading, the welcome, the calculator,
    an error, the contact buttons, the menu, the farewell, the ended page, a start again."""
    # A slow network first, so that the loading line is seen with its progress.
    b.send("Network.emulateNetworkConditions", offline=False, latency=20,
           downloadThroughput=6_000_000, uploadThroughput=1_000_000)
    b.navigate(b.url)
    line = until("the loading line", lambda: (lambda t: any(c in t for c in "%٪") and t)(
        b.line()))
    if not line.startswith("جارٍ تحميل كوزماط"):
        raise Failure(f"while loading the page says {line!r}")
    b.shot("loading.png")
    b.send("Network.emulateNetworkConditions", offline=False, latency=0, downloadThroughput=-1,
           uploadThroughput=-1)
    print(f"  loading: {line!r}; welcome box drawn {b.load():.2f} s after navigation, start "
          f"window {b.start():.2f} s after Return (the files in the browser's cache)")
    form = next(w for w in described["windows"] if w["caption"] == START)
    alike("the start window", b.part("start.png", START, (0, 0, *form["size"])),
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
    alike("7 ÷ 2", result, os.path.join(linux, "start-window-result.png"))

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


def french(b, described):
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


def unable(b, described):
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


def phone(b, described, server):
    """A phone held upright with a touch screen: installable, the number pad, the live region,
    windows wider than the page scrolled; then the page again with the server gone."""
    b.load()
    b.start()
    if b.send("Page.getAppManifest")["errors"] or \
            b.send("Page.getInstallabilityErrors")["installabilityErrors"]:
        raise Failure("the manifest is refused, or the page cannot be installed")
    b.send("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
    form = next(w for w in described["windows"] if w["caption"] == START)
    times = next(c for c in described["calculators"] if c["window"] == form["form"] and
                 c["option"]["accessibleName"] == "الضرب (*)")
    b.shot("start.png")
    for box, text in zip(times["inputs"], ("٢٫٥", "14")):
        b.tap(*b.at(START, box["place"]))
        if b.js("document.activeElement.inputMode") != "decimal":
            raise Failure("a tapped box gives the focus to no field with a number pad")
        b.send("Input.insertText", text=text)
        b.shot(f"typed-{text}.png")
    b.tap(*b.at(START, times["option"]["place"]))
    # The start window is wider than the page: its button, and the menu's right column, are
    # reached by scrolling it.
    b.send("Input.dispatchMouseEvent", type="mouseWheel", x=180, y=300, deltaX=600, deltaY=0)
    hidden = form["size"][0] - b.size[0] + 8
    since = len(b.told("say"))
    place = times["button"]["place"]
    b.tap(*b.at(START, (place[0] - hidden, *place[1:])))
    b.hear("النتيجة 35", since)
    if b.js("document.getElementById('spoken').textContent") != "النتيجة 35" or \
            b.js("document.getElementById('screen').ariaLabel") != START:
        raise Failure("the live region or the canvas's label tell something else")
    print("  installable; ٢٫٥ and 14 on the number pad: × 35, in the live region")
    square = next(w for w in described["windows"] if w["form"] == "المربع")
    menu = square["menuButton"]["place"]
    b.tap(*b.at(START, (menu[0] - hidden, *menu[1:])))
    b.opens(square["caption"])
    b.send("Input.dispatchMouseEvent", type="mouseWheel", x=180, y=300, deltaX=600, deltaY=0)
    credit = next(c for c in described["contacts"] if c["window"] == "المربع" and
                  c["button"]["accessibleName"] == "المصمم")
    place = credit["button"]["place"]
    since = len(b.told("say"))
    b.tap(*b.at(square["caption"], (place[0] - hidden, *place[1:])))
    b.hear(credit["text"], since)
    b.shot("square-scrolled.png")
    until("the program kept", lambda: b.js("caches.keys().then(k => k.length)") and b.js(
        "navigator.serviceWorker.ready.then(r => !!r.active)"))
    server.shutdown()
    server.server_close()
    print(f"  {square['caption']} at 360 x 740, scrolled to its bottom row's end; with the "
          f"server gone, the welcome box drawn {b.load():.2f} s after navigation")


def main():
    archive, described, linux, out = sys.argv[1:5]
    shutil.rmtree(out, ignore_errors=True)
    with zipfile.ZipFile(archive) as z:
        z.extractall(os.path.join(out, "site"))
    with open(described, encoding="utf-8") as f:
        described = json.load(f)
    site = os.path.join(out, "site", os.listdir(os.path.join(out, "site"))[0])
    try:
        for session, args, language, size in [
                (pupil, [linux], "ar", (1280, 900)), (french, [], "fr-FR", (1280, 900)),
                (unable, [], "ar", (1280, 900)), (phone, [], "ar", (360, 740)), (quirks, [], "ar",
                (1280, 900)), (strict, [site, pupil, linux], "ar", (1280, 900))]:
            print(f"{session.__name__}:", flush=True)
            os.makedirs(os.path.join(out, session.__name__))
            server, url = serve(site)  # its own, which the phone's session stops
            with Browser(os.path.join(out, session.__name__), url, language, size) as b:
                session(b, described, *args, *([server] if session is phone else []))
                b.clean()
            server.shutdown()
    except Failure as failure:
        print(f"FAIL: {failure}")
        sys.exit(1)
    print(f"PASS: the program in Chromium, as a pupil uses it; screenshots in {out}")


if __name__ == "__main__":
    main()
