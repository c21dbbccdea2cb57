#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program on a headless Wayland compositor of its own, sway, KWin or mutter: the
welcome box, 7 ÷ 2 on the start window, 7 ÷ 0 and its error box over the start window, the
farewell and the end with status 0. The compositor's own view of each window is checked
(app_id, title, a dialog's parent) and screenshots of the screen go to OUTPUT-DIR. With the
start window up the program has loaded no OpenGL driver and holds at most 1.10 × its memory on X.

sway is driven by keyboard through a virtual keyboard (wtype); KWin, which offers clients no
virtual keyboard, and mutter over AT-SPI. AT-SPI tells on all where the focus is and what a
label says.

Usage: wayland_session.py sway|kwin|mutter PROGRAM OUTPUT-DIR
       (in a D-Bus session of its own with the AT-SPI bus up, a private XDG_RUNTIME_DIR)
"""
import glob
import json
import os
import re
import shutil
import subprocess
import sys
import threading
import time

import gi
import pyatspi

gi.require_version("Gst", "1.0")
from gi.repository import Gio, GLib, Gst  # noqa: E402

import session
from session import START, Calculator, Failure, one, press, text_of, type_into, wait_for

APP_ID = "org.example.Kozmat"
WELCOME = ("ترحيب", "أهلا و سهلا بكم في كوزماط الإصدار الأول")
ERROR = ("كوزماط", "خطأ 11: القسمة على صفر")
FAREWELL = ("توديع", "مع السلامة")


def stable(what, grab):
    """Grabs until two grabs in a row agree: the screen is painted and still."""
    last = None

    def same():
        nonlocal last
        image = grab()
        agreed, last = image == last, image
        return agreed and image
    return wait_for(what, same)


def toplevels(protocol_log):
    """Every toplevel window the program made, in order, as title, app_id, parent's title and
    live, read from the client's side of the Wayland protocol (WAYLAND_DEBUG=client). Object ids
    are reused once destroyed, so each id is followed from its creation."""
    live, made = {}, []
    for line in protocol_log.splitlines():
        if m := re.search(r"-> xdg_surface@\d+\.get_toplevel\(new id xdg_toplevel@(\d+)\)", line):
            live[m[1]] = {"title": None, "parent": None, "app_id": None, "live": True}
            made.append(live[m[1]])
        elif m := re.search(r'-> xdg_toplevel@(\d+)\.set_(title|app_id)\("(.*)"\)$', line):
            if m[1] in live:
                live[m[1]][m[2]] = m[3]
        elif m := re.search(r"-> xdg_toplevel@(\d+)\.set_parent\((?:xdg_toplevel@(\d+)|nil)\)",
                            line):
            if m[1] in live:
                parent = live.get(m[2]) if m[2] else None
                live[m[1]]["parent"] = parent["title"] if parent else None
        elif m := re.search(r"-> xdg_toplevel@(\d+)\.destroy\(\)", line):
            if m[1] in live:
                live.pop(m[1])["live"] = False
    return made


class Sway:
    """sway on a headless output of 1920×1200 at scale 1.5, with a virtual keyboard."""

    name = "sway"

    def __init__(self, out):
        self.out = out
        conf = os.path.join(out, "sway.conf")
        with open(conf, "w") as f:
            # No X server: the program is to run on Wayland itself.
            f.write("output HEADLESS-1 resolution 1920x1200 scale 1.5\nxwayland disable\n")
        env = dict(os.environ, WLR_BACKENDS="headless", WLR_LIBINPUT_NO_DEVICES="1",
                   WLR_RENDERER="pixman")
        log_path = os.path.join(out, "sway.log")
        session.LOGS.append(("sway's log", log_path))
        self.log = open(log_path, "w")
        self.proc = subprocess.Popen(["sway", "-c", conf], env=env, stdout=self.log,
                                     stderr=subprocess.STDOUT)
        self.keyboard = None
        runtime = os.environ["XDG_RUNTIME_DIR"]
        ipc = os.path.join(runtime, f"sway-ipc.{os.getuid()}.{self.proc.pid}.sock")

        def sockets():
            if self.proc.poll() is not None:
                raise Failure(f"sway ended with status {self.proc.returncode} (see sway.log)")
            displays = [p for p in glob.glob(os.path.join(runtime, "wayland-*"))
                        if not p.endswith(".lock")]
            return os.path.exists(ipc) and len(displays) == 1 and displays[0]
        display = wait_for("sway's sockets", sockets)
        os.environ.update(SWAYSOCK=ipc, WAYLAND_DISPLAY=os.path.basename(display))
        # One virtual keyboard held open for the whole session: the keys sent with a keyboard
        # that has just been made are lost while sway takes in its keymap.
        self.keyboard = subprocess.Popen(["wtype", "-s", "3600000"])
        wait_for("the virtual keyboard", lambda: any(
            i["type"] == "keyboard" for i in self.msg("get_inputs")))

    def msg(self, kind):
        return json.loads(subprocess.run(["swaymsg", "-r", "-t", kind], check=True,
                                         capture_output=True, text=True).stdout)

    def windows(self, pid):
        found = []

        def walk(node, floating):
            if node.get("pid") == pid:
                found.append(dict(title=node["name"], app_id=node.get("app_id"),
                                  floating=floating, focused=node["focused"],
                                  frame=[node["rect"][k] for k in ("x", "y", "width", "height")]))
            for child in node.get("nodes", []):
                walk(child, floating)
            for child in node.get("floating_nodes", []):
                walk(child, True)
        walk(self.msg("get_tree"), False)
        return found

    def screenshot(self, what, path):
        png = stable(f"a still screen for {what}", lambda: subprocess.run(
            ["grim", "-"], check=True, capture_output=True).stdout)
        with open(path, "wb") as f:
            f.write(png)

    def keys(self, *args):
        subprocess.run(["wtype", *args], check=True)

    def close(self):
        for proc in (self.keyboard, self.proc):
            if proc and proc.poll() is None:
                proc.terminate()
                proc.wait()
        self.log.close()


class KWin:
    """KWin on a virtual output of 1280×800, on this session's bus."""

    name = "kwin"
    SOCKET = "kozmat-kwin"

    def __init__(self, out):
        self.out = out
        self.bus = Gio.bus_get_sync(Gio.BusType.SESSION)
        # Debian's binary carries a file capability that a container refuses to honour at
        # exec time; a plain copy has none.
        self.scratch = os.environ["HOME"]
        binary = os.path.join(self.scratch, "kwin_wayland")
        shutil.copy("/usr/bin/kwin_wayland", binary)
        env = dict(os.environ, KWIN_SCREENSHOT_NO_PERMISSION_CHECKS="1",
                   QT_LOGGING_RULES="kwin_scripting.debug=true")
        env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
        self.log_path = os.path.join(out, "kwin.log")
        session.LOGS.append(("KWin's log", self.log_path))
        self.log = open(self.log_path, "w")
        self.proc = subprocess.Popen(
            [binary, "--virtual", "--width", "1280", "--height", "800", "--socket", self.SOCKET,
             "--no-lockscreen", "--no-global-shortcuts", "--no-kactivities"],
            env=env, stdout=self.log, stderr=subprocess.STDOUT)
        socket = os.path.join(os.environ["XDG_RUNTIME_DIR"], self.SOCKET)

        def ready():
            if self.proc.poll() is not None:
                raise Failure(f"KWin ended with status {self.proc.returncode} (see kwin.log)")
            return os.path.exists(socket) and self.owned("org.kde.KWin")
        wait_for("KWin's socket and bus name", ready, timeout=30)
        os.environ["WAYLAND_DISPLAY"] = self.SOCKET
        self.scripts = 0

    def call(self, dest, path, interface, method, args, reply, fds=None):
        result = self.bus.call_with_unix_fd_list_sync(
            dest, path, interface, method, args, GLib.VariantType(reply),
            Gio.DBusCallFlags.NONE, 10000, fds, None)
        return result[0].unpack()

    def owned(self, name):
        return self.call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                         "NameHasOwner", GLib.Variant("(s)", (name,)), "(b)")[0]

    def script(self, body):
        """Runs JavaScript inside KWin; what the script gives to say() comes back."""
        self.scripts += 1
        mark = f"KOZMAT-SCRIPT-{self.scripts} "
        path = os.path.join(self.scratch, f"script-{self.scripts}.js")
        with open(path, "w") as f:
            # KWin's print() writes to its log, where the mark finds the line.
            f.write(f"function say(value) {{ print({json.dumps(mark)} + JSON.stringify(value)); }}\n"
                    f"{body}\n")
        plugin = f"kozmat-script-{self.scripts}"
        scripting = ("org.kde.KWin", "/Scripting", "org.kde.kwin.Scripting")
        number = self.call(*scripting, "loadScript", GLib.Variant("(ss)", (path, plugin)),
                           "(i)")[0]
        if number < 0:
            raise Failure(f"KWin did not load {path}")
        try:
            self.call("org.kde.KWin", f"/{number}", "org.kde.kwin.Script", "run",
                      GLib.Variant("()", ()), "()")

            def said():
                with open(self.log_path, encoding="utf-8", errors="replace") as log:
                    for line in log:
                        if mark in line:
                            return line.split(mark, 1)[1]
                return None
            return json.loads(wait_for(f"KWin to run {path}", said))
        finally:
            self.call(*scripting, "unloadScript", GLib.Variant("(s)", (plugin,)), "(b)")

    def windows(self, pid):
        return self.script(
            f"say(workspace.clientList().filter(w => w.pid == {int(pid)}).map(w => ({{\n"
            "  title: w.caption, resourceClass: String(w.resourceClass),\n"
            "  app_id: w.desktopFileName, transient: w.transient,\n"
            "  parent: w.transientFor ? w.transientFor.caption : null,\n"
            "  modal: w.modal, active: w.active,\n"
            "  frame: [w.frameGeometry.x, w.frameGeometry.y, w.frameGeometry.width,\n"
            "          w.frameGeometry.height]})));")

    def move(self, pid, title, x, y):
        """Moves a window, as a user drags it aside."""
        moved = self.script(
            f"say(workspace.clientList().filter(w => w.pid == {int(pid)} && "
            f"w.caption == {json.dumps(title)}).map(w => {{\n"
            f"  const g = w.frameGeometry;\n"
            f"  w.frameGeometry = {{x: {int(x)}, y: {int(y)}, width: g.width, height: g.height}};\n"
            f"  return [w.frameGeometry.x, w.frameGeometry.y];\n"
            f"}}));")
        if moved != [[x, y]]:
            raise Failure(f"KWin did not move the window {title!r} to {x}, {y}: {moved}")

    def capture(self):
        # KWin writes the raw image into a pipe, and may fill it before it answers.
        read_end, write_end = os.pipe()
        fds = Gio.UnixFDList.new()
        handle = fds.append(write_end)
        os.close(write_end)
        chunks = []
        reader = threading.Thread(target=lambda: chunks.extend(iter(
            lambda: os.read(read_end, 1 << 20), b"")))
        reader.start()
        try:
            info = self.call("org.kde.KWin", "/org/kde/KWin/ScreenShot2",
                             "org.kde.KWin.ScreenShot2", "CaptureWorkspace",
                             GLib.Variant("(a{sv}h)", ({}, handle)), "(a{sv})", fds)[0]
            del fds
        finally:
            reader.join(10)
            os.close(read_end)
        data = b"".join(chunks)
        width, height, stride = info["width"], info["height"], info["stride"]
        # Formats 4 to 6 (QImage's 32-bit RGB and ARGB) lie in memory as B, G, R, A.
        if info.get("type") != "raw" or info.get("format") not in (4, 5, 6) or \
                len(data) != stride * height:
            raise Failure(f"unexpected screenshot from KWin: {info}, {len(data)} bytes")
        rows = b"".join(data[y * stride:y * stride + 4 * width] for y in range(height))
        return (width, height, rows)

    def screenshot(self, what, path):
        width, height, rows = stable(f"a still screen for {what}", self.capture)
        subprocess.run(["convert", "-size", f"{width}x{height}", "-depth", "8", "bgra:-",
                        "-alpha", "off", path], input=rows, check=True)

    def close(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            self.proc.wait()
        self.log.close()


class Mutter:
    """GNOME's compositor, headless, 1280×800. It lists no windows: where it placed each and which
    has the focus come from its debug log, its windows numbered as the program made them, whose
    titles the protocol trace gives. Its screen comes as a screen cast through PipeWire."""

    name = "mutter"
    call, owned = KWin.call, KWin.owned

    def __init__(self, out):
        self.log_path = os.path.join(out, "mutter.log")
        session.LOGS.append(("mutter's log", self.log_path))
        self.log = open(self.log_path, "w")
        # Windows appear at once, not zoomed in and faded in as screenshots are taken.
        env = dict(os.environ, MUTTER_DEBUG="focus,geometry", MUTTER_DEBUG_DISABLE_ANIMATIONS="1")
        self.procs = [subprocess.Popen(command, env=env, stdout=self.log, stderr=subprocess.STDOUT)
                      for command in (["pipewire"], ["wireplumber"], [
                          "mutter", "--wayland", "--headless", "--no-x11", "--virtual-monitor",
                          "1280x800", "--wayland-display", "kozmat-mutter"])]
        os.environ["WAYLAND_DISPLAY"] = "kozmat-mutter"
        # mutter ends the screen cast when this connection closes.
        self.bus = Gio.bus_get_sync(Gio.BusType.SESSION)
        cast = "org.gnome.Mutter.ScreenCast"

        wait_for("mutter's screen cast (see mutter.log)", lambda: self.owned(cast), timeout=30)
        path = self.call(cast, "/org/gnome/Mutter/ScreenCast", cast, "CreateSession",
                         GLib.Variant("(a{sv})", ({},)), "(o)")[0]
        stream = self.call(cast, path, f"{cast}.Session", "RecordMonitor",
                           GLib.Variant("(sa{sv})", ("", {})), "(o)")[0]
        node = []
        self.bus.signal_subscribe(cast, f"{cast}.Stream", "PipeWireStreamAdded", stream, None,
                                  0, lambda *a: node.append(a[5].unpack()[0]))
        self.call(cast, path, f"{cast}.Session", "Start", GLib.Variant("()", ()), "()")
        wait_for("mutter's screen cast", lambda: [GLib.MainContext.default().iteration(False),
                                                  node][1])
        Gst.init(None)
        self.pipeline = Gst.parse_launch(
            f"pipewiresrc path={node[0]} always-copy=true ! videoconvert dither=none ! "
            "video/x-raw,format=RGB ! appsink name=sink enable-last-sample=true drop=true")
        self.pipeline.set_state(Gst.State.PLAYING)
        self.last = self.capture()[2]

    def capture(self):
        def frame():
            time.sleep(0.1)  # frames come as mutter draws them: the last one is the screen
            sample = self.pipeline.get_by_name("sink").get_property("last-sample")
            caps = sample and sample.get_caps().get_structure(0)
            return sample and (caps.get_value("width"), caps.get_value("height"),
                               sample.get_buffer().extract_dup(0, sample.get_buffer().get_size()))
        return wait_for("a frame of mutter's screen cast", frame)

    def windows(self, pid):
        with open(self.trace, encoding="utf-8", errors="replace") as f:
            made = toplevels(f.read())
        frames, focus, number, size = {}, None, None, None
        with open(self.log_path, encoding="utf-8", errors="replace") as f:
            for line in f:
                if m := re.search(r"Constraining W(\d+) in move from \S+ (\d+)x(\d+)", line):
                    number, size = int(m[1]), [int(m[2]), int(m[3])]
                elif m := re.search(r"current is (-?\d+),(-?\d+) \S+ after constrain_titlebar",
                                    line):
                    frames[number] = [int(m[1]), int(m[2])] + size
                elif m := re.search(r"\* Focus --> (?:W(\d+)|NULL)", line):
                    focus = m[1] and int(m[1])
        return [dict(t, focused=focus == n, frame=frames.get(n)) for n, t in enumerate(made)
                if t["live"]]

    def screenshot(self, what, path):
        # Each screenshot follows a change of the screen, which the cast shows a moment later.
        width, height, rgb = stable(f"a still screen for {what}", lambda: (
            frame := self.capture())[2] != self.last and frame)
        self.last = rgb
        subprocess.run(["convert", "-size", f"{width}x{height}", "-depth", "8", "rgb:-", path],
                       input=rgb, check=True)
        # Qt draws the frame here: the title must show whole between the icon and the buttons.
        x, y, w, h = next(o["frame"] for o in self.windows(self.pid) if o["title"] == what)
        left, right = x + 35, x + w - 77  # where Qt's frame clips the title
        dot = lambda px, py: rgb[3 * (py * width + px):3 * (py * width + px) + 3]  # noqa: E731
        ink = [px for py in range(y + 4, y + 26) for px in range(left, right + 1)
               if dot(px, py) != dot(left - 2, y + 15)]
        if not ink or min(ink) < left + 2 or max(ink) > right - 2:
            raise Failure(f"the title {what!r} does not show whole in its frame ({path})")

    def close(self):
        self.pipeline.set_state(Gst.State.NULL)
        for proc in reversed(self.procs):
            proc.terminate()
            proc.wait()
        self.log.close()


def focused(obj):
    return obj.getState().contains(pyatspi.STATE_FOCUSED)


class Keyboard:
    """Drives the program as a keyboard user does, on a compositor with a virtual keyboard;
    AT-SPI only tells where the focus is."""

    def __init__(self, desk):
        self.desk = desk

    def focus(self, window, target, what):
        """Tabs until the focus is on target (a control, or a test of the focused one)."""
        reached = target if callable(target) else lambda obj: obj == target
        for _ in range(40):
            now = pyatspi.findDescendant(window, focused)
            if now is not None and reached(now):
                return now
            self.desk.keys("-k", "Tab")
            wait_for(f"the focus to move on Tab towards {what}",
                     lambda: pyatspi.findDescendant(window, focused) not in (None, now))
        raise Failure(f"Tab never reached {what}")

    def type_into(self, window, box, text):
        # A line edit reached with Tab has its text selected: typing replaces it.
        self.focus(window, box, repr(box.name))
        self.desk.keys(text)
        wait_for(f"{text!r} typed into {box.name!r}", lambda: text_of(box) == text)

    def choose(self, window, calc, operation):
        option = one(calc.frame, pyatspi.ROLE_RADIO_BUTTON, operation)
        options = session.find_all(calc.frame, pyatspi.ROLE_RADIO_BUTTON)
        self.focus(window, lambda obj: obj in options, "the operations")
        for _ in options:
            if option.getState().contains(pyatspi.STATE_CHECKED):
                return
            now = pyatspi.findDescendant(window, focused)
            self.desk.keys("-k", "Down")
            wait_for("the next operation", lambda: pyatspi.findDescendant(window, focused) != now)
        wait_for(f"{operation!r} chosen", lambda: option.getState().contains(
            pyatspi.STATE_CHECKED))

    def press(self, window, button):
        self.focus(window, button, repr(button.name))
        self.desk.keys("-k", "Return")

    def dismiss(self, box):
        ok = one(box, pyatspi.ROLE_PUSH_BUTTON, "موافق")
        wait_for(f"the focus on the OK button of {box.name!r}", lambda: focused(ok))
        self.desk.keys("-k", "Return")


class Accessibility:
    """Drives the program over AT-SPI, as a screen reader does."""

    def type_into(self, window, box, text):
        type_into(box, text)

    def choose(self, window, calc, operation):
        calc.choose(operation)

    def press(self, window, button):
        press(button)

    def dismiss(self, box):
        press(one(box, pyatspi.ROLE_PUSH_BUTTON, "موافق"))


class Run:
    def __init__(self, desk, s, driver, protocol_log):
        self.desk, self.s, self.driver, self.protocol_log = desk, s, driver, protocol_log
        self.problems = []

    def note(self, problem):
        """A fault that does not stop the session: told now, failed at the end."""
        print(f"FAULT: {problem}", file=sys.stderr)
        self.problems.append(problem)

    def shown(self, title):
        """Waits for the compositor to show the program's one window of this title, focused,
        and returns what the compositor says of it."""
        def found():
            ws = [w for w in self.desk.windows(self.s.proc.pid) if w["title"] == title]
            if len(ws) > 1:
                raise Failure(f"{self.desk.name} shows {len(ws)} windows {title!r}")
            return ws and (ws[0].get("focused") or ws[0].get("active")) and ws[0]
        w = wait_for(f"{self.desk.name} to show the window {title!r}, focused", found)
        print(f"{self.desk.name}: {json.dumps(w, ensure_ascii=False)}")
        if w["app_id"] != APP_ID:
            raise Failure(f"the window {title!r} has the app_id {w['app_id']!r}, not {APP_ID}")
        if "resourceClass" in w and w["resourceClass"] != APP_ID:
            raise Failure(f"the window {title!r} has the class {w['resourceClass']!r}")
        return w

    def box(self, title, text, shot):
        """A message box: shown by the compositor, its text read, a screenshot taken."""
        w = self.shown(title)
        if w.get("floating") is False:
            # A tiling desktop tiles a box that it takes for a main window.
            self.note(f"{self.desk.name} tiles the box {title!r} instead of floating it")
        box = self.s.window(title, pyatspi.ROLE_ALERT)
        wait_for(f"the text {text!r} in the box {title!r}",
                 lambda: session.find_all(box, pyatspi.ROLE_LABEL, text))
        self.desk.screenshot(title, os.path.join(self.s.out, shot))
        return w, box

    def close_box(self, title, box):
        self.driver.dismiss(box)
        self.s.gone(title, pyatspi.ROLE_ALERT)

    def check_parent(self, title, w, parent):
        """The box is the child of the window PARENT, as the compositor and the protocol
        tell it; a mismatch is noted, and the session goes on to its end."""
        with open(self.protocol_log, encoding="utf-8", errors="replace") as log:
            made = [t["parent"] for t in toplevels(log.read()) if t["title"] == title]
        said = (f"xdg_toplevel.set_parent to {made[-1]!r}" if made and made[-1]
                else "no xdg_toplevel.set_parent")
        print(f"protocol: the box {title!r} has {said}")
        if not made or made[-1] != parent:
            self.note(f"the box {title!r} is not the child of {parent!r} on the Wayland "
                      f"protocol: the program sent {said}")
        if "transient" in w and (not w["transient"] or w["parent"] != parent):
            self.note(f"{self.desk.name} has the box {title!r} transient="
                      f"{str(w['transient']).lower()}, for {w['parent']!r}, not for {parent!r}")

    def check_over(self, title, w, parent):
        """The box's middle lies on the window PARENT."""
        x, y, width, height = w["frame"]
        middle = (x + width // 2, y + height // 2)
        frames = [o["frame"] for o in self.desk.windows(self.s.proc.pid) if o["title"] == parent]
        px, py, pwidth, pheight = frames[0]
        if not (px <= middle[0] < px + pwidth and py <= middle[1] < py + pheight):
            self.note(f"the box {title!r} (its middle at {middle}) is not over {parent!r} "
                      f"(at {px}, {py}, {pwidth}×{pheight})")

    def check_light(self):
        """No OpenGL stack in the program, which draws in software; its memory, for later."""
        with open(f"/proc/{self.s.proc.pid}/maps") as f:
            loaded = {m.split()[-1] for m in f if re.search(r"_dri\.so|libLLVM|libgbm", m)}
        if loaded:
            self.note(f"the program has loaded {', '.join(sorted(loaded))}")
        self.resident = resident(self.s.proc.pid)

    def session(self):
        s, driver = self.s, self.driver
        w, box = self.box(*WELCOME, "1-welcome.png")
        if s.windows(pyatspi.ROLE_FILLER, START):
            raise Failure("the start window shows before the welcome box is dismissed")
        self.close_box(WELCOME[0], box)

        self.shown(START)
        start = s.window(START)
        self.check_light()
        calc = Calculator(start)
        driver.type_into(start, calc.first, "7")
        driver.type_into(start, calc.second, "2")
        driver.choose(start, calc, "القسمة (/)")
        driver.press(start, calc.compute)
        wait_for("the result 3.5 of 7 ÷ 2", lambda: calc.result.name == "3.5")
        self.desk.screenshot(START, os.path.join(s.out, "2-start.png"))

        if hasattr(self.desk, "move"):
            # Dragged aside, as a user may: a box placed without regard to its window would
            # come up in the middle of the screen, beside the start window.
            self.desk.move(s.proc.pid, START, 0, 0)
        driver.type_into(start, calc.second, "0")
        driver.press(start, calc.compute)
        w, box = self.box(*ERROR, "3-error-over-start.png")
        self.check_parent(ERROR[0], w, START)
        if self.desk.name != "mutter":  # which places a box by first fit (CONTRIBUTING.md)
            self.check_over(ERROR[0], w, START)
        self.close_box(ERROR[0], box)
        held = (text_of(calc.first), text_of(calc.second), calc.result.name)
        if held != ("7", "0", "3.5"):
            raise Failure(f"after the error the start window holds {held}")

        driver.press(start, one(start, pyatspi.ROLE_PUSH_BUTTON, "خروج"))
        w, box = self.box(*FAREWELL, "4-farewell.png")
        self.close_box(FAREWELL[0], box)
        s.finish()


def resident(pid):
    """A process's resident memory in KiB once the same for a second, without the window images
    it shares with the display, whose size the display chooses (sway tiles a main window)."""
    seen = []

    def settled():
        with open(f"/proc/{pid}/status") as f:
            seen.append(sum(int(line.split()[1]) for line in f
                            if line.startswith(("RssAnon:", "RssFile:"))))
        time.sleep(0.1)
        return len(seen) > 10 and len(set(seen[-10:])) == 1 and seen[-1]
    return wait_for("the resident memory to settle", settled, timeout=30)


def x11_resident(program, out, scale):
    """The program's resident memory on an X display with its start window up, drawn at the
    scale it had on the compositor, which has gone."""
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-noreset"], pass_fds=[write],
                            stderr=subprocess.DEVNULL)
    os.close(write)
    os.environ.update(DISPLAY=":" + os.read(read, 16).decode().strip(), QT_SCALE_FACTOR=str(scale))
    try:
        with session.Session(program, out, stderr=subprocess.DEVNULL) as s:
            s.message(*WELCOME)
            s.window(START)
            kib = resident(s.proc.pid)
            s.proc.kill()
    finally:
        xvfb.terminate()
    return kib


def main():
    kind, program, out = sys.argv[1:4]
    os.makedirs(out, exist_ok=True)
    began = time.monotonic()
    desk = {"sway": Sway, "kwin": KWin, "mutter": Mutter}[kind](out)
    try:
        print(f"{kind} up in {time.monotonic() - began:.1f} s")
        # The program chooses Wayland itself: there is no X display.
        os.environ.pop("DISPLAY", None)
        os.environ.pop("QT_QPA_PLATFORM", None)
        os.environ["WAYLAND_DEBUG"] = "client"
        protocol_log = os.path.join(out, "program.log")
        session.LOGS.insert(0, ("the program's standard error, the protocol trace left out",
                                protocol_log))
        with open(protocol_log, "w") as log, session.Session(program, out, stderr=log) as s:
            del os.environ["WAYLAND_DEBUG"]
            desk.trace, desk.pid = protocol_log, s.proc.pid
            driver = Keyboard(desk) if kind == "sway" else Accessibility()
            run = Run(desk, s, driver, protocol_log)
            run.session()
    finally:
        desk.close()
    with open(protocol_log, encoding="utf-8", errors="replace") as f:
        scale = max([int(n) for n in re.findall(r"set_buffer_scale\((\d+)\)", f.read())] or [1])
    os.environ.pop("WAYLAND_DISPLAY")
    x11 = x11_resident(program, out, scale)
    print(f"resident memory, window images left out: {run.resident / 1024:.1f} MiB, on X11 "
          f"{x11 / 1024:.1f} MiB (scale {scale})")
    if run.resident > 1.10 * x11:
        run.note(f"{run.resident / x11:.2f} × the resident memory on X11")
    if run.problems:
        raise Failure(f"{len(run.problems)} fault(s) on {kind}, each told above; screenshots "
                      f"in {out}")
    print(f"PASS: welcome, 7 ÷ 2, the error box of the start window, the farewell and status 0"
          f" on {kind} in {time.monotonic() - began:.1f} s; screenshots in {out}")


if __name__ == "__main__":
    session.run(main)
