#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program for the browser as a pupil meets it: the zip's folder on a local web server,
opened in headless Chromium and used with clicks and keys.

Usage: session.py ZIP LINUX-PROGRAM DESCRIPTION OUTPUT-DIR

What the program shows is read from the page: the title of the window in front and what it says
to a screen reader (its live region), and from the pixels of the canvas. The start window and
a result are held against the same window of the Linux build on a private X display. Screenshots
go to OUTPUT-DIR.
"""
import functools
import http.server
import json
import os
import shutil
import subprocess
import sys
import threading
import time
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from browser import Browser, Failure  # noqa: E402
from session import SHAPES, START  # noqa: E402  (the values each shape window is given)

WELCOME = ("ترحيب", "أهلا و سهلا بكم في كوزماط الإصدار الأول")
# The start window's calculator on 7 and 2 (the first typed in Arabic-Indic digits).
OPERATIONS = {"الجمع (+)": "9", "الطرح (-)": "5", "الضرب (*)": "14", "القسمة (/)": "3.5"}
ENDED = "انتهى كوزماط. مع السلامة."
# The first window opens with its frame at the page's top left, each next one a title bar
# further: the client area of the k-th is at FIRST + k * (title bar and borders).
FIRST = (4, 26)
STEP = 30
# A pixel of the start window once painted: its greeting label.
PAINTED = (190, 482, "c0c0ff")


def step(text):
    print(f"  {text}", flush=True)


def serve(folder):
    """The folder on http://127.0.0.1:PORT/, as any static web server serves it."""
    handler = functools.partial(QuietHandler, directory=folder)
    server = QuietServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}/"


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class QuietServer(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        # A browser closed in the middle of a download.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


def similarity(a, b):
    """The share of pixels (in %) alike in two pictures of one size, as the Wine test counts."""
    sizes = [subprocess.run(["identify", "-format", "%w %h", p], capture_output=True,
                            text=True, check=True).stdout for p in (a, b)]
    if sizes[0] != sizes[1]:
        raise Failure(f"{a} is {sizes[0]}, {b} is {sizes[1]}")
    differing = subprocess.run(["compare", "-metric", "AE", "-fuzz", "10%", a, b, "null:"],
                               capture_output=True, text=True).stderr.split()[0]
    w, h = map(int, sizes[0].split())
    return 100 * (1 - float(differing) / (w * h))


class Page:
    """The program's page in a browser, and what it knows of the program's windows."""

    def __init__(self, browser, url, description):
        self.b = browser
        self.url = url
        self.described = description
        self.opened = 0  # windows opened so far, for the place of the next
        self.origins = {}

    def said(self):
        return [detail for event, detail in self.b.told() if event == "kozmat-say"]

    def front(self):
        titles = [detail for event, detail in self.b.told() if event == "kozmat-window"]
        return titles[-1] if titles else None

    def hear(self, text, since):
        """Waits until the program says text (after the first `since` things it said)."""
        self.b.wait_for(f"the program to say {text!r}", lambda: text in self.said()[since:])

    def in_front(self, title):
        self.b.wait_for(f"the window {title!r} in front", lambda: self.front() == title)

    def painted(self, origin, probe):
        x, y, colour = probe
        self.b.wait_for(f"the pixel {x},{y} to be {colour}",
                        lambda: self.b.pixel(origin[0] + x, origin[1] + y) == colour)

    def opens(self, caption):
        """Waits for a new window in front and notes where it is."""
        self.in_front(caption)
        origin = (FIRST[0] + STEP * self.opened, FIRST[1] + STEP * self.opened)
        self.opened += 1
        self.origins[caption] = origin
        return origin

    def click(self, caption, place):
        x, y, w, h = place
        ox, oy = self.origins[caption]
        self.b.click(ox + x + w // 2, oy + y + h // 2)

    def type_into(self, caption, box, text):
        self.click(caption, box["place"])
        self.b.select_all()
        self.b.type(text)

    def compute(self, caption, button, expected):
        since = len(self.said())
        self.click(caption, button["place"])
        self.hear(f"النتيجة {expected}", since)

    def window(self, form):
        return next(w for w in self.described["windows"] if w["form"] == form)

    def calculators(self, form):
        return [c for c in self.described["calculators"] if c["window"] == form]

    def shot(self, caption, path, place):
        """A picture of the part (x, y, width, height) of a window's client area."""
        x, y, w, h = place
        ox, oy = self.origins[caption]
        return self.b.screenshot(path, (ox + x, oy + y, w, h))

    def welcome(self, began=None):
        """Loads the page, unless it was at `began`; the welcome box comes first, then Return
        gives the start window. Returns the seconds from navigation to the box drawn, and from
        Return to the window drawn."""
        self.opened, self.origins = 0, {}
        if began is None:
            began = time.monotonic()
            self.b.send("Page.navigate", url=self.url)
        self.hear("\n".join(WELCOME), 0)
        self.in_front(WELCOME[0])
        # The box is centred on the page: drawn when its middle is no longer the background.
        centre = (640, 450)
        self.b.wait_for("the welcome box drawn", lambda: self.b.pixel(*centre) != "333333")
        welcomed = time.monotonic() - began
        if any(event == "kozmat-window" and detail == START for event, detail in self.b.told()):
            raise Failure("the start window came before the welcome box was answered")
        self.b.screenshot(os.path.join(self.b.out, "welcome.png"))
        began = time.monotonic()
        self.b.enter()
        origin = self.opens(START)
        self.painted(origin, PAINTED)
        return welcomed, time.monotonic() - began


def linux_pictures(program, description, out):
    """The start window of the Linux build, and its result of 7 ÷ 2, on a private X display."""
    start = next(w for w in description["windows"] if w["caption"] == START)
    calc = next(c for c in description["calculators"] if c["window"] == start["form"] and
                c["option"]["accessibleName"] == "القسمة (/)")
    env = dict(os.environ, LC_ALL="C.UTF-8", LANG="C.UTF-8", QT_QPA_PLATFORM="xcb")
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x900x24",
                             "-nolisten", "tcp", "-noreset"], pass_fds=[write],
                            stderr=subprocess.DEVNULL)
    os.close(write)
    env["DISPLAY"] = ":" + os.read(read, 16).decode().strip()
    os.close(read)
    proc = None
    try:
        log = os.path.join(out, "linux-program.log")
        proc = subprocess.Popen([program], env=env, stderr=open(log, "w"))

        def x(*args):
            return subprocess.run(["xdotool", *args], env=env, capture_output=True,
                                  text=True).stdout.split()

        def window(title):
            end = time.monotonic() + 30
            while time.monotonic() < end:
                found = x("search", "--onlyvisible", "--name", f"^{title}$")
                if found:
                    return found[0]
                time.sleep(0.1)
            with open(log, encoding="utf-8", errors="replace") as f:
                print(f"--- the Linux build's standard error ({log}):\n{f.read()[-3000:]}")
            raise Failure(f"no window {title!r} of the Linux build")

        x("windowfocus", "--sync", window(WELCOME[0]), "key", "Return")
        wid = window(START)

        def grab(path, crop=None):
            shot = subprocess.run(["import", "-window", wid, "png:-"], env=env,
                                  capture_output=True, check=True).stdout
            args = ["-crop", "{2}x{3}+{0}+{1}".format(*crop), "+repage"] if crop else []
            subprocess.run(["convert", "png:-", *args, path], input=shot, check=True)
            return path

        def pixel(path, x0, y0):
            return subprocess.run(["convert", path, "-format", f"%[hex:p{{{x0},{y0}}}]",
                                   "info:"], capture_output=True, text=True).stdout[:6].lower()

        start_png = os.path.join(out, "linux-start.png")
        end = time.monotonic() + 30
        while pixel(grab(start_png), *PAINTED[:2]) != PAINTED[2]:
            if time.monotonic() > end:
                raise Failure("the Linux build's start window was never painted")
            time.sleep(0.1)

        def click(place):
            x("mousemove", "--window", wid, str(place[0] + place[2] // 2),
              str(place[1] + place[3] // 2), "click", "1")

        empty = grab(os.path.join(out, "linux-result-empty.png"), calc["output"]["place"])
        for box, text in zip(calc["inputs"], ("7", "2")):
            click(box["place"])
            x("key", "ctrl+a", "BackSpace", "type", text)
        click(calc["option"]["place"])
        click(calc["button"]["place"])
        result_png = os.path.join(out, "linux-result.png")
        end = time.monotonic() + 30
        while similarity(grab(result_png, calc["output"]["place"]), empty) == 100:
            if time.monotonic() > end:
                raise Failure("the Linux build showed no result of 7 ÷ 2")
            time.sleep(0.1)
        return start_png, result_png
    finally:
        if proc:
            proc.kill()
            proc.wait()
        xvfb.kill()
        xvfb.wait()


def pupil(url, description, linux, out):
    """What a pupil does, in an Arabic browser: welcome, the calculator, an error, the menu,
    the contact buttons, the farewell and the page's ended state; then a start again."""
    with Browser(out) as b:
        page = Page(b, url, description)
        # A slow network, so that the loading line is seen with its progress.
        b.send("Network.enable")
        b.send("Network.emulateNetworkConditions", offline=False, latency=20,
               downloadThroughput=6_000_000, uploadThroughput=1_000_000)
        began = time.monotonic()
        b.send("Page.navigate", url=url)
        line = b.wait_for("the loading line with its progress", lambda: b.evaluate(
            "(t => t && /[%٪]/.test(t) && t)(document.getElementById('text')?.textContent ?? '')"))
        if not line.startswith("جارٍ تحميل كوزماط"):
            raise Failure(f"the page says {line!r} while loading")
        b.screenshot(os.path.join(out, "loading.png"))
        step(f"loading: {line!r}")
        b.send("Network.emulateNetworkConditions", offline=False, latency=0,
               downloadThroughput=-1, uploadThroughput=-1)

        page.welcome(began)
        # Again at full speed, the program's files now in the browser's cache as a pupil's
        # second visit finds them.
        welcomed, started = page.welcome()
        step(f"welcome box drawn {welcomed:.2f} s after navigation; start window drawn "
             f"{started:.2f} s after Return")
        start_form = next(w["form"] for w in description["windows"] if w["caption"] == START)
        size = page.window(start_form)["size"]
        web_start = page.shot(START, os.path.join(out, "start.png"), (0, 0, *size))
        alike = similarity(web_start, linux[0])
        step(f"start window: {alike:.1f} % of pixels alike in the browser and on Linux")
        if alike < 97:
            raise Failure(f"the start window looks different in the browser ({alike:.1f} %)")

        calcs = page.calculators(start_form)
        first, second = calcs[0]["inputs"]
        page.type_into(START, first, "٧")
        page.type_into(START, second, "2")
        for operation, expected in OPERATIONS.items():
            calc = next(c for c in calcs if c["option"]["accessibleName"] == operation)
            page.click(START, calc["option"]["place"])
            page.compute(START, calc["button"], expected)
        step("7 + 2, 7 - 2, 7 × 2, 7 ÷ 2 (the 7 typed as ٧): " + ", ".join(OPERATIONS.values()))
        output = calcs[0]["output"]["place"]
        result = page.shot(START, os.path.join(out, "result.png"), output)
        alike = similarity(result, linux[1])
        step(f"result of 7 ÷ 2: {alike:.1f} % of pixels alike in the browser and on Linux")
        if alike < 97:
            raise Failure(f"7 ÷ 2 shows something else in the browser ({alike:.1f} %)")

        # 5 ÷ 0: the error box over the start window; what was typed and shown stays.
        page.type_into(START, first, "5")
        page.type_into(START, second, "0")
        since = len(page.said())
        page.click(START, calcs[0]["button"]["place"])
        page.hear("كوزماط\nخطأ 11: القسمة على صفر", since)
        page.in_front("كوزماط")
        b.screenshot(os.path.join(out, "error.png"))
        b.enter()
        page.in_front(START)
        kept = page.shot(START, os.path.join(out, "result-kept.png"), output)
        if similarity(kept, result) < 100:
            raise Failure("the result of 7 ÷ 2 changed with the error box")
        page.type_into(START, second, "4")
        division = next(c for c in calcs if c["option"]["accessibleName"] == "القسمة (/)")
        page.compute(START, division["button"], "1.25")
        step("5 ÷ 0: error 11 in a box; the result and the 5 typed stayed (5 ÷ 4 = 1.25)")

        contact = next(c for c in description["contacts"] if c["window"] == start_form)
        since = len(page.said())
        page.click(START, contact["button"]["place"])
        page.hear(contact["text"], since)
        step(f"{contact['button']['accessibleName']}: {contact['text']!r}")

        # Each window from the menu, one calculator in each.
        for shape in (w for w in description["windows"] if "menuButton" in w):
            caption, form = shape["caption"], shape["form"]
            page.click(START, shape["menuButton"]["place"])
            origin = page.opens(caption)
            w, h = shape["size"]
            colour = SHAPES[form]["colour"].lower()
            page.painted(origin, (2, 2, colour))
            page.painted(origin, (w - 3, h - 3, colour))
            if b.pixel(origin[0] + w + 6, origin[1] + h + 6) == colour:
                raise Failure(f"{caption!r} is larger than {w} x {h}")
            page.shot(caption, os.path.join(out, f"{form}.png"), (0, 0, w, h))
            calcs = page.calculators(form)
            if calcs:
                calc = calcs[0]
                values, expected = SHAPES[form]["results"][calc["button"]["name"]]
                for box, value in zip(calc["inputs"], values, strict=True):
                    page.type_into(caption, box, value)
                page.compute(caption, calc["button"], expected)
            step(f"{caption}: {w} x {h} at {origin}" +
                 (f", {calc['button']['accessibleName']} {expected}" if calcs else ""))
            # Back to the start window, by its title bar where no other window covers it.
            b.click(10, 10)
            page.in_front(START)

        exit_button = (16, 528, 89, 25)
        since = len(page.said())
        page.click(START, exit_button)
        page.hear("توديع\nمع السلامة", since)
        b.enter()
        b.wait_for("the page's ended state", lambda: b.evaluate(
            "document.getElementById('text')?.textContent ?? ''") == ENDED and
            b.evaluate("getComputedStyle(document.getElementById('screen')).display") == "none")
        b.screenshot(os.path.join(out, "ended.png"))
        step(f"farewell, then the page says {ENDED!r}")
        errors = b.errors()
        if errors:
            raise Failure(f"errors in the console: {errors}")

        # Started again from the page.
        b.evaluate("window.kozmatTold = []")
        b.evaluate("document.getElementById('again').click()")
        b.wait_for("the welcome box again", lambda: "\n".join(WELCOME) in page.said())
        step("started again from the ended page")
        errors = b.errors()
        if errors:
            raise Failure(f"errors in the console: {errors}")


def french(url, description, out):
    """A French browser: results with the comma; the close box of the last window ends the
    program, and the page says so."""
    with Browser(out, language="fr-FR") as b:
        page = Page(b, url, description)
        page.welcome()
        start_form = next(w["form"] for w in description["windows"] if w["caption"] == START)
        calcs = page.calculators(start_form)
        division = next(c for c in calcs if c["option"]["accessibleName"] == "القسمة (/)")
        page.type_into(START, calcs[0]["inputs"][0], "7")
        page.type_into(START, calcs[0]["inputs"][1], "2")
        page.click(START, division["option"]["place"])
        page.compute(START, division["button"], "3,5")
        step("7 ÷ 2 in a French browser: 3,5")
        # The close box, at the right end of the title bar.
        size = page.window(start_form)["size"]
        b.click(FIRST[0] + size[0] - 10, 12)
        b.wait_for("the page's ended state", lambda: b.evaluate(
            "document.getElementById('text')?.textContent ?? ''") == ENDED)
        step("the start window closed by its close box: the page says the program has ended")
        errors = b.errors()
        if errors:
            raise Failure(f"errors in the console: {errors}")


def unable(url, out):
    """A browser without WebAssembly, and one without WebGL, are told so in Arabic."""
    with Browser(out) as b:
        for lacking, script in [
                ("WebAssembly", "delete window.WebAssembly;"),
                ("WebGL", "HTMLCanvasElement.prototype.getContext = () => null;")]:
            added = b.send("Page.addScriptToEvaluateOnNewDocument", source=script)
            b.send("Page.navigate", url=url)
            text = b.wait_for("the page's sentence", lambda: b.evaluate(
                "(t => t && t.includes('WebGL') && t)(document.getElementById('text')?.textContent)"))
            if not text.startswith("لا يعمل كوزماط في هذا المتصفح"):
                raise Failure(f"a browser without {lacking} is told {text!r}")
            b.send("Page.removeScriptToEvaluateOnNewDocument", identifier=added["identifier"])
            b.screenshot(os.path.join(out, f"without-{lacking}.png"))
            step(f"a browser without {lacking} is told so in Arabic")


def main():
    archive, program, described, out = sys.argv[1:5]
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(out)
    with open(described, encoding="utf-8") as f:
        description = json.load(f)
    site = os.path.join(out, "site")
    with zipfile.ZipFile(archive) as z:
        z.extractall(site)
    folder = os.path.join(site, os.listdir(site)[0])
    server, url = serve(folder)
    try:
        print("Linux build, for comparison:")
        linux = linux_pictures(program, description, out)
        for name, session in [("pupil", lambda o: pupil(url, description, linux, o)),
                              ("french", lambda o: french(url, description, o)),
                              ("unable", lambda o: unable(url, o))]:
            print(f"session {name}:", flush=True)
            os.makedirs(os.path.join(out, name))
            session(os.path.join(out, name))
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        sys.exit(1)
    finally:
        server.shutdown()
    print(f"PASS: the program in Chromium, as a pupil uses it; screenshots in {out}")


if __name__ == "__main__":
    main()
