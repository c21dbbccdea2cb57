#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole session of the real program, driven the way a screen reader drives it: over AT-SPI.

Usage: session.py PROGRAM OUTPUT-DIR   (on an X display, with the AT-SPI bus and registry up)

Controls are found by role and accessible name (or description, for the labels whose text
changes), text is typed through EditableText, buttons are pressed through their action, and
every effect is awaited by polling, since a press runs its handler only later. A screenshot of
each window goes to OUTPUT-DIR.
"""
import ctypes
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 10.0  # seconds for any one effect to show
POLL = 0.02

GREETING = "أتمنى أن ينال البرنامج إعجابكم"
GREETING_ROLE = "رسالة الترحيب، ويحل محلها اسم المصمم أو بريده أو موقعه"
RESULT_ROLE = "نتيجة العملية الحسابية"
CREDIT = "تصميم وبرمجة: فريق كوزماط"
EMAIL = "kozmat@example.org"
WEBSITE = "kozmat.example.org"

START = "كوزماط الإصدار الأول"

# Each shape window: menu button, caption, back colour, calculators and the contact buttons.
# A calculator: its frame, what to type into which box, then (button, result box, expected).
# Contact buttons: (caption, text, blanks before, blanks after).
SHAPES = [
    dict(button="المربع", caption="المربع", colour="C0FFC0",
         calculators=[("المحيط", {"طول الضلع": "5"}, [("المحيط", "النتيجة", "20")]),
                      ("المساحة", {"طول الضلع": "5"}, [("المساحة", "النتيجة", "25")])],
         contacts=[("المصمم", CREDIT, 0, 1), ("بريدي", EMAIL, 1, 0), ("موقعي", WEBSITE, 1, 1)]),
    dict(button="المستطيل", caption="المستطيل ", colour="FFC0C0",
         calculators=[("عمليات حسابية", {"الطول": "4", "العرض": "3"},
                       [("المساحة", "النتيجة", "12"), ("المحيط", "النتيجة", "14")])],
         contacts=[("المصمم", CREDIT, 2, 1), ("بريدي", EMAIL, 1, 0), ("موقعي", WEBSITE, 0, 1)]),
    dict(button="المعين", caption="المعين", colour="FFE0C0",
         calculators=[("المحيط", {"طول الضلع": "5"}, [("المحيط", "النتيجة", "20")]),
                      ("المساحة", {"طول القطر الأول": "6", "طول القطر الثاني": "8"},
                       [("المساحة", "النتيجة", "24")])],
         contacts=[("المصمم", CREDIT, 0, 1), ("بريدي", EMAIL, 1, 0), ("موقعي", WEBSITE, 1, 1)]),
    dict(button="متوازي الأضلاع", caption="متوازي الأضلاع", colour="C0FFFF",
         calculators=[("المحيط", {"طول الضلع الأصغر": "3", "طول الضلع الأكبر": "5"},
                       [("المحيط", "النتيجة", "16")]),
                      ("المساحة", {"طول القاعدة": "6", "طول الإرتفاع": "4"},
                       [("المساحة", "النتيجة", "24")])],
         contacts=[("المصمم", CREDIT, 2, 1), ("بريدي", EMAIL, 2, 1), ("موقعي", WEBSITE, 2, 1)]),
    dict(button="الدائرة", caption="الدائرة", colour="FFFFC0",
         calculators=[("المحيط", {"نصف القطر": "2.5"}, [("المحيط", "النتيجة", "15.7")]),
                      ("المساحة", {"نصف القطر": "2.5"}, [("المساحة", "النتيجة", "19.625")])],
         contacts=[("المصمم", CREDIT, 0, 0), ("بريدي", EMAIL, 1, 0), ("موقعي", WEBSITE, 1, 1)]),
    dict(button="المثلث", caption="المثلث", colour="C0C0FF", calculators=[], contacts=[]),
]


class Failure(Exception):
    pass


def wait_for(what, condition, timeout=TIMEOUT):
    """Polls condition() until it gives a true value, and returns that value."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            value = condition()
        except (GLib.Error, LookupError):
            value = None  # an object that went away while we looked
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(POLL)


def showing(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def describe(role, name, description):
    parts = [pyatspi.Atspi.role_get_name(role)]
    if name is not None:
        parts.append(repr(name))
    if description is not None:
        parts.append(f"described {description!r}")
    return " ".join(parts)


def find_all(root, role, name=None, description=None):
    return pyatspi.findAllDescendants(
        root, lambda o: o.getRole() == role and (name is None or o.name == name)
        and (description is None or o.description == description))


def one(root, role, name=None, description=None):
    """The single control of this role (and name, and description) under root."""
    found = find_all(root, role, name, description)
    if len(found) != 1:
        raise Failure(f"{len(found)} controls {describe(role, name, description)} "
                      f"in {root.name!r}, expected one")
    return found[0]


def text_of(box):
    return box.queryText().getText(0, -1)


def act(obj, action):
    a = obj.queryAction()
    names = [a.getName(i) for i in range(a.nActions)]
    if action not in names:
        raise Failure(f"{obj.name!r} has no action {action} (it has {names})")
    if not a.doAction(names.index(action)):
        raise Failure(f"{action} on {obj.name!r} refused")


def press(button):
    act(button, "Press")


def type_into(box, text):
    if not box.queryEditableText().setTextContents(text):
        raise Failure(f"typing into {box.name!r} refused")
    wait_for(f"{text!r} in {box.name!r}", lambda: text_of(box) == text)


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class XEvent(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]


class X11:
    """Just enough of Xlib to ask a window to close, as a window manager's close box does."""

    def __init__(self):
        self.lib = ctypes.CDLL("libX11.so.6")
        self.lib.XOpenDisplay.restype = ctypes.c_void_p
        self.lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.lib.XInternAtom.restype = ctypes.c_ulong
        self.lib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        self.lib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                                        ctypes.c_long, ctypes.c_void_p]
        self.lib.XFlush.argtypes = [ctypes.c_void_p]
        self.lib.XCloseDisplay.argtypes = [ctypes.c_void_p]

    def close_window(self, window_id):
        dpy = self.lib.XOpenDisplay(None)
        if not dpy:
            raise Failure("cannot open the X display")
        try:
            event = XEvent()
            msg = event.xclient
            msg.type = 33  # ClientMessage
            msg.window = window_id
            msg.message_type = self.lib.XInternAtom(dpy, b"WM_PROTOCOLS", False)
            msg.format = 32
            msg.data[0] = self.lib.XInternAtom(dpy, b"WM_DELETE_WINDOW", False)
            msg.data[1] = 0  # CurrentTime
            if not self.lib.XSendEvent(dpy, window_id, False, 0, ctypes.byref(event)):
                raise Failure("XSendEvent failed")
            self.lib.XFlush(dpy)
        finally:
            self.lib.XCloseDisplay(dpy)


class Session:
    def __init__(self, program, out, stderr=None):
        self.out = out
        self.x11 = X11()
        self.proc = subprocess.Popen([program], stderr=stderr)
        self.app = wait_for("the program on the accessibility bus", self.find_app)

    def find_app(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.proc.pid:
                return app
        return None

    def windows(self, role, name):
        return [w for w in self.app if w is not None and w.getRole() == role
                and w.name == name and showing(w)]

    def window(self, name, role=pyatspi.ROLE_FILLER):
        """Waits for the one showing window of this role and title."""
        def found():
            ws = self.windows(role, name)
            if len(ws) > 1:
                raise Failure(f"{len(ws)} windows {name!r}")
            return ws[0] if ws else None
        return wait_for(f"the window {name!r}", found)

    def gone(self, name, role=pyatspi.ROLE_FILLER):
        # A program that has ended (after the farewell) has no windows left to ask about.
        wait_for(f"the window {name!r} to go",
                 lambda: self.proc.poll() is not None or not self.windows(role, name))

    def message(self, title, text):
        """Waits for a message box with this title and text, then presses its OK button."""
        box = self.window(title, pyatspi.ROLE_ALERT)
        wait_for(f"the text {text!r} in the box {title!r}",
                 lambda: find_all(box, pyatspi.ROLE_LABEL, text))
        press(one(box, pyatspi.ROLE_PUSH_BUTTON, "موافق"))
        self.gone(title, pyatspi.ROLE_ALERT)

    def x_window(self, caption):
        """The X window of the program's one visible window of this title."""
        def found():
            ids = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid",
                                  str(self.proc.pid), "--name", f"^{caption}$"],
                                 capture_output=True, text=True).stdout.split()
            return int(ids[0]) if len(ids) == 1 else None
        return wait_for(f"one X window titled {caption!r}", found)

    def screenshot(self, caption, file, probe):
        """Raises the window and keeps a picture of it once it is painted: the probe pixel has
        its colour and two grabs in a row agree."""
        wid = self.x_window(caption)
        subprocess.run(["xdotool", "windowraise", str(wid)], check=True)
        x, y, colour = probe
        last = None

        def painted():
            nonlocal last
            grab = subprocess.run(["import", "-window", str(wid), "-depth", "8", "ppm:-"],
                                  capture_output=True, check=True).stdout
            same, last = grab == last, grab
            return same and pixel(grab, x, y) == colour and grab
        grab = wait_for(f"the window {caption!r} to be painted", painted)
        subprocess.run(["convert", "ppm:-", os.path.join(self.out, file)], input=grab,
                       check=True)

    def __enter__(self):
        return self

    def __exit__(self, kind, value, traceback):
        # A session that fails leaves no program behind.
        if kind is not None and self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        return False

    def finish(self):
        try:
            status = self.proc.wait(timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end after the farewell")
        if status != 0:
            raise Failure(f"the program ended with status {status}")


def pixel(ppm, x, y):
    """The colour at x, y of a binary PPM as RRGGBB."""
    fields, pos = [], 0
    while len(fields) < 4:  # magic, width, height, maximum
        while ppm[pos:pos + 1].isspace():
            pos += 1
        if ppm[pos:pos + 1] == b"#":
            pos = ppm.index(b"\n", pos)
            continue
        end = pos
        while not ppm[end:end + 1].isspace():
            end += 1
        fields.append(ppm[pos:end])
        pos = end
    if fields[0] != b"P6" or fields[3] != b"255":
        raise Failure("unexpected screenshot format")
    width = int(fields[1])
    at = pos + 1 + 3 * (y * width + x)
    return ppm[at:at + 3].hex().upper()


class Calculator:
    """The start window's calculator: its two boxes, its result label and its button."""

    def __init__(self, window):
        self.frame = one(window, pyatspi.ROLE_PANEL, "آلة حاسبة")
        self.first = one(self.frame, pyatspi.ROLE_TEXT, "القيمة الأولى")
        self.second = one(self.frame, pyatspi.ROLE_TEXT, "القيمة الثانية")
        self.result = one(self.frame, pyatspi.ROLE_LABEL, description=RESULT_ROLE)
        self.compute = one(self.frame, pyatspi.ROLE_PUSH_BUTTON, "أحسب")

    def choose(self, operation):
        option = one(self.frame, pyatspi.ROLE_RADIO_BUTTON, operation)
        act(option, "Toggle")
        wait_for(f"{operation!r} selected",
                 lambda: option.getState().contains(pyatspi.STATE_CHECKED))

    def calculate(self, operation, expected):
        self.choose(operation)
        press(self.compute)
        wait_for(f"the result {expected!r} of {operation!r}",
                 lambda: self.result.name == expected)


def run(main):
    """Runs a session's main(); a failure is one line on standard error and status 1."""
    try:
        main()
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        sys.exit(1)


def check_names(window):
    """Every box and picture has a name of its own (not its frame's), every picture a
    description; returns the names for the log."""
    names = []
    for role in (pyatspi.ROLE_TEXT, pyatspi.ROLE_IMAGE):
        for obj in find_all(window, role):
            if not obj.name or obj.name == obj.parent.name:
                raise Failure(f"a {obj.getRoleName()} in {obj.parent.name!r} of {window.name!r}"
                              f" has no accessible name of its own ({obj.name!r})")
            if role == pyatspi.ROLE_IMAGE and not obj.description:
                raise Failure(f"the picture {obj.name!r} has no accessible description")
            names.append(f"{obj.getRoleName()} {obj.name!r} in {obj.parent.name!r}")
    return names


def contacts(window, greeting, buttons):
    for caption, text, before, after in buttons:
        expected = " " * before + text + " " * after
        press(one(window, pyatspi.ROLE_PUSH_BUTTON, caption))
        wait_for(f"{expected!r} in the greeting label of {window.name!r}",
                 lambda: greeting.name == expected)


def boxes(window):
    return {(b.parent.name, b.name): text_of(b) for b in find_all(window, pyatspi.ROLE_TEXT)}


def start_window(s):
    w = s.window(START)
    calc = Calculator(w)
    greeting = one(w, pyatspi.ROLE_LABEL, description=GREETING_ROLE)
    if greeting.name != GREETING:
        raise Failure(f"the start window greets with {greeting.name!r}")
    print("start window:", *check_names(w), sep="\n  ")

    type_into(calc.first, "7")
    type_into(calc.second, "2")
    for operation, expected in [("الجمع (+)", "9"), ("الطرح (-)", "5"), ("الضرب (*)", "14"),
                                ("القسمة (/)", "3.5")]:
        calc.calculate(operation, expected)

    # 5 ÷ 0: the error message, then the program goes on with everything as it was.
    type_into(calc.first, "5")
    type_into(calc.second, "0")
    press(calc.compute)
    s.message("كوزماط", "خطأ 11: القسمة على صفر")
    held = (text_of(calc.first), text_of(calc.second), calc.result.name)
    if held != ("5", "0", "3.5"):
        raise Failure(f"after the error the start window holds {held}")
    type_into(calc.second, "4")
    calc.calculate("القسمة (/)", "1.25")

    contacts(w, greeting, [("المصمم", CREDIT, 0, 0), ("بريدي", EMAIL, 0, 0),
                           ("موقعي", WEBSITE, 0, 0)])
    s.screenshot(START, "start.png", (190, 482, "C0C0FF"))
    return w


def shape_window(s, start, shape, index):
    menu = one(start, pyatspi.ROLE_PUSH_BUTTON, shape["button"])
    caption = shape["caption"]
    press(menu)
    w = s.window(caption)
    initial = boxes(w)
    greeting = None
    if shape["contacts"]:
        greeting = one(w, pyatspi.ROLE_LABEL, description=GREETING_ROLE)
        if greeting.name != GREETING:
            raise Failure(f"{caption!r} greets with {greeting.name!r}")
    print(f"{caption}:", *check_names(w), sep="\n  ")

    for frame_name, typed, presses in shape["calculators"]:
        frame = one(w, pyatspi.ROLE_PANEL, frame_name)
        for box, value in typed.items():
            type_into(one(frame, pyatspi.ROLE_TEXT, box), value)
        for button, box, expected in presses:
            result = one(frame, pyatspi.ROLE_TEXT, box)
            press(one(frame, pyatspi.ROLE_PUSH_BUTTON, button))
            wait_for(f"{expected!r} in {box!r} of {frame_name!r} in {caption!r}",
                     lambda: text_of(result) == expected)
    if greeting:
        # The same menu button again shows the same window, not a second one. Its press has
        # no effect to wait for, but it runs before the presses that follow it.
        press(menu)
        contacts(w, greeting, shape["contacts"])
        s.window(caption)
    s.screenshot(caption, f"{index}-{shape['button']}.png", (2, 2, shape["colour"]))

    # Closed and opened again from the menu: the window as it was built.
    s.x11.close_window(s.x_window(caption))
    s.gone(caption)
    press(menu)
    w = s.window(caption)
    if boxes(w) != initial:
        raise Failure(f"{caption!r} reopened with {boxes(w)} instead of {initial}")
    if greeting:
        name = one(w, pyatspi.ROLE_LABEL, description=GREETING_ROLE).name
        if name != GREETING:
            raise Failure(f"{caption!r} reopened greeting with {name!r}")


def main():
    program, out = sys.argv[1:3]
    os.makedirs(out, exist_ok=True)
    began = time.monotonic()
    with Session(program, out) as s:
        # The welcome message comes before any window.
        s.window("ترحيب", pyatspi.ROLE_ALERT)
        if s.windows(pyatspi.ROLE_FILLER, START):
            raise Failure("the start window shows before the welcome message is dismissed")
        s.message("ترحيب", "أهلا و سهلا بكم في كوزماط الإصدار الأول")

        start = start_window(s)
        for index, shape in enumerate(SHAPES, 1):
            shape_window(s, start, shape, index)
        open_windows = sorted(w.name for w in s.app if w is not None and showing(w))
        expected = sorted([START] + [shape["caption"] for shape in SHAPES])
        if open_windows != expected:
            raise Failure(f"open windows {open_windows}, expected {expected}")

        # Exit with every window open: the farewell, then the end.
        press(one(start, pyatspi.ROLE_PUSH_BUTTON, "خروج"))
        s.message("توديع", "مع السلامة")
        s.finish()
    print(f"PASS: a whole session over AT-SPI in {time.monotonic() - began:.1f} s; "
          f"screenshots in {out}")


if __name__ == "__main__":
    run(main)
