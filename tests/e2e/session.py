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
import functools
import json
import os
import re
import subprocess
import sys
import time
import traceback

import pyatspi
from gi.repository import GLib

TIMEOUT = 10.0  # seconds for any one effect to show
POLL = 0.02

GREETING = "أتمنى أن ينال البرنامج إعجابكم"
GREETING_ROLE = "رسالة الترحيب، ويحل محلها اسم المصمم أو بريده أو موقعه"

START = "كوزماط الإصدار الأول"

# What the session checks in each shape window, by form name: a pixel of its back colour, and for
# each calculator (by its button) the values typed into the boxes it reads, in the order it reads
# them, and the result expected. Which boxes those are comes from the program's own description.
SHAPES = {
    "المربع": dict(colour="C0FFC0", results={"Command1": (["5"], "20"),
                                            "Command2": (["5"], "25")}),
    "المستطيل": dict(colour="FFC0C0", results={"Command1": (["3", "4"], "12"),
                                              "Command2": (["3", "4"], "14")}),
    "المعين": dict(colour="FFE0C0", results={"Command1": (["5"], "20"),
                                            "Command2": (["8", "6"], "24")}),
    "Form1": dict(colour="C0FFFF", results={"Command1": (["5", "3"], "16"),
                                           "Command2": (["6", "4"], "24")}),
    "Form2": dict(colour="FFFFC0", results={"Command1": (["2.5"], "15.7"),
                                           "Command2": (["2.5"], "19.625")}),
    "Form3": dict(colour="C0C0FF", results={}),
}


@functools.cache
def description():
    """The program's description of its windows, calculators and contact buttons, written by
    kozmat-describe into the file KOZMAT_DESCRIPTION names."""
    path = os.environ.get("KOZMAT_DESCRIPTION")
    if not path:
        raise Failure("KOZMAT_DESCRIPTION names no description file (kozmat-describe writes it)")
    with open(path, encoding="utf-8") as f:
        return json.load(f)


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
    """The colour at x, y of a picture as RRGGBB."""
    return subprocess.run(["convert", "-", "-format", f"%[hex:p{{{x},{y}}}]", "info:"],
                          input=ppm, capture_output=True, check=True).stdout.decode()[:6]


def control(window, described):
    """A control of the description, found by its frame, role and accessible name; a label whose
    text changes by its description."""
    frame = one(window, pyatspi.ROLE_PANEL, described["frame"]) if "frame" in described \
        else window
    if described["kind"] == "label":
        return one(frame, pyatspi.ROLE_LABEL, description=described["accessibleDescription"])
    role = dict(box=pyatspi.ROLE_TEXT, button=pyatspi.ROLE_PUSH_BUTTON,
                option=pyatspi.ROLE_RADIO_BUTTON)[described["kind"]]
    return one(frame, role, described["accessibleName"])


def form_of(caption):
    return next(w["form"] for w in description()["windows"] if w["caption"] == caption)


class Calculator:
    """The start window's calculator: its two boxes, its result label and its button."""

    def __init__(self, window):
        calc = next(c for c in description()["calculators"] if c["window"] == form_of(START))
        self.frame = one(window, pyatspi.ROLE_PANEL, calc["button"]["frame"])
        self.first, self.second = (control(window, box) for box in calc["inputs"])
        self.result = control(window, calc["output"])
        self.compute = control(window, calc["button"])

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


# The logs whose ends a failure shows, as (what, path): the program's standard error where it
# goes to a file, the compositor's log.
LOGS = []
# A line of the Wayland protocol trace (WAYLAND_DEBUG), left out of the program's log shown.
TRACE = re.compile(r"^\[ *\d+\.\d+\] ")


def show_logs(lines=60):
    for what, path in LOGS:
        try:
            with open(path, encoding="utf-8", errors="replace") as f:
                kept = [line.rstrip("\n") for line in f if not TRACE.match(line)]
        except OSError:
            continue
        print(f"--- {what}: the last {min(lines, len(kept))} of {len(kept)} lines of {path}",
              file=sys.stderr)
        print("\n".join(kept[-lines:]), file=sys.stderr)


def run(main):
    """Runs a session's main(); a failure is one line on standard error, the ends of the logs
    that may tell why, and status 1."""
    try:
        main()
    except Exception as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        if not isinstance(failure, Failure):
            traceback.print_exc()
        sys.stdout.flush()
        show_logs()
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


def contacts(window, greeting, form):
    for b in description()["contacts"]:
        if b["window"] != form:
            continue
        expected = " " * b["blanksBefore"] + b["text"] + " " * b["blanksAfter"]
        press(control(window, b["button"]))
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

    contacts(w, greeting, form_of(START))
    s.screenshot(START, "start.png", (190, 482, "C0C0FF"))
    return w


def shape_window(s, start, described, index):
    form, caption = described["form"], described["caption"]
    shape = SHAPES[form]
    menu = control(start, described["menuButton"])
    press(menu)
    w = s.window(caption)
    initial = boxes(w)
    greeting = None
    if "greeting" in described:
        greeting = control(w, described["greeting"])
        if greeting.name != GREETING:
            raise Failure(f"{caption!r} greets with {greeting.name!r}")
    print(f"{caption}:", *check_names(w), sep="\n  ")

    calculators = [c for c in description()["calculators"] if c["window"] == form]
    if sorted(c["button"]["name"] for c in calculators) != sorted(shape["results"]):
        raise Failure(f"the session checks {sorted(shape['results'])} in {caption!r}, the "
                      f"program has {[c['button']['name'] for c in calculators]}")
    for calc in calculators:
        values, expected = shape["results"][calc["button"]["name"]]
        for box, value in zip(calc["inputs"], values, strict=True):
            type_into(control(w, box), value)
        result = control(w, calc["output"])
        press(control(w, calc["button"]))
        wait_for(f"{expected!r} in {calc['output']['name']} after {calc['button']['name']} in "
                 f"{caption!r}", lambda: text_of(result) == expected)
    if greeting:
        # The same menu button again shows the same window, not a second one. Its press has
        # no effect to wait for, but it runs before the presses that follow it.
        press(menu)
        contacts(w, greeting, form)
        s.window(caption)
    s.screenshot(caption, f"{index}-{menu.name}.png", (2, 2, shape["colour"]))

    # Closed and opened again from the menu: the window as it was built.
    s.x11.close_window(s.x_window(caption))
    s.gone(caption)
    press(menu)
    w = s.window(caption)
    if boxes(w) != initial:
        raise Failure(f"{caption!r} reopened with {boxes(w)} instead of {initial}")
    if greeting:
        name = control(w, described["greeting"]).name
        if name != GREETING:
            raise Failure(f"{caption!r} reopened greeting with {name!r}")
    return caption


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
        shapes = [w for w in description()["windows"] if "menuButton" in w]
        if sorted(w["form"] for w in shapes) != sorted(SHAPES):
            raise Failure(f"the session knows the windows {sorted(SHAPES)}, the program has "
                          f"{[w['form'] for w in shapes]}")
        captions = [shape_window(s, start, shape, index) for index, shape in enumerate(shapes, 1)]
        open_windows = sorted(w.name for w in s.app if w is not None and showing(w))
        expected = sorted([START] + captions)
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
