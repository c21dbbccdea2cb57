# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""The benchmark's runs on Wayland, on a headless sway and then a headless mutter, each of their
own; measure.py runs this as a user that both accept and reads its result, one JSON object per
compositor, from standard output.

Each program is started RUNS times, the programs alternating run by run, after one unmeasured
run of each. The compositor reports a window when it maps it, which on Wayland is when the
program commits its first frame: Qt commits a window once it has painted it whole, so that
moment is the window shown and drawn. Return is typed as on X11: the window has SETTLE_MS to
settle and the user presses the key 100 ms after that, once it has the focus; the next window of
the program is timed the same way. The program is ended SETTLE_MS after its last window and its
peak memory read from wait4. One program runs at a time, so every window reported is its.

Usage: wayland.py BUILD RUNS CALLGRIND-RUNS SETTLE-MS
"""

import json
import os
import queue
import re
import signal
import subprocess
import sys
import tempfile
import threading
import time
from pathlib import Path

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

from measure import count_instructions  # noqa: E402


def wait(what, condition, seconds=20):
    end = time.monotonic() + seconds
    while not (value := condition()):
        if time.monotonic() > end:
            raise SystemExit(f"bench: no {what} after {seconds} s")
        time.sleep(0.02)
    return value


class Compositor:
    """What sway and mutter share: the windows they report, as (time, change) in a queue."""

    def __init__(self, home):
        self.runtime = Path(home) / "runtime"
        self.runtime.mkdir(mode=0o700)
        self.events = queue.Queue()

    def report(self, change):
        self.events.put((time.monotonic(), change))

    def forget(self):
        while not self.events.empty():
            self.events.get()

    def next(self, change, seconds=20):
        """The time at which the compositor next reports the change of a window."""
        end = time.monotonic() + seconds
        while True:
            try:
                at, seen = self.events.get(timeout=max(0.0, end - time.monotonic()))
            except queue.Empty:
                raise SystemExit(f"bench: {self.name} reported no window {change}")
            if seen == change:
                return at

    def close(self):
        for proc in reversed(self.procs):
            proc.terminate()
            proc.wait()


class Sway(Compositor):
    name = "sway"

    def __init__(self, home):
        super().__init__(home)
        runtime = self.runtime
        conf = Path(home) / "sway.conf"
        # Floating, every window keeps its own size, as on the X display with no window manager.
        conf.write_text("output HEADLESS-1 resolution 1280x1024\nxwayland disable\n"
                        "for_window [app_id=\".*\"] floating enable\n")
        env = dict(os.environ, XDG_RUNTIME_DIR=str(runtime), WLR_BACKENDS="headless",
                   WLR_LIBINPUT_NO_DEVICES="1", WLR_RENDERER="pixman")
        server = subprocess.Popen(["sway", "-c", str(conf)], env=env,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.procs = [server]
        socket = runtime / f"sway-ipc.{os.getuid()}.{server.pid}.sock"
        display = wait("sway", lambda: socket.exists() and next(runtime.glob("wayland-*[0-9]"),
                                                                  None))
        self.env = {"XDG_RUNTIME_DIR": str(runtime), "WAYLAND_DISPLAY": display.name,
                    "SWAYSOCK": str(socket)}
        env.update(self.env)
        self.keys_env = env
        # A keyboard held for the whole run: sway drops the keys of one that has just come.
        self.procs.append(subprocess.Popen(["wtype", "-s", "3600000"], env=env))
        wait("virtual keyboard", lambda: "keyboard" in subprocess.run(
            ["swaymsg", "-t", "get_inputs"], env=env, capture_output=True, text=True).stdout)
        watcher = subprocess.Popen(["swaymsg", "-m", "-r", "-t", "subscribe", '["window"]'],
                                   env=env, stdout=subprocess.PIPE, text=True)
        self.procs.append(watcher)
        threading.Thread(target=self.read, args=(watcher.stdout,), daemon=True).start()

    def read(self, lines):
        for line in lines:
            if line.strip():
                self.report(json.loads(line)["change"])

    def press_return(self):
        subprocess.run(["wtype", "-k", "Return"], env=self.keys_env, check=True)


class Mutter(Compositor):
    """GNOME's compositor on a D-Bus session bus of its own. Without GNOME Shell it tells of its
    windows only in its debug log, read here as it is written; keys come through its remote
    desktop interface."""

    name = "mutter"
    REMOTE = "org.gnome.Mutter.RemoteDesktop"
    ENTER, SHIFT = 28, 42  # evdev key codes

    def __init__(self, home):
        super().__init__(home)
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                               stdout=subprocess.PIPE, text=True)
        address = bus.stdout.readline().strip()
        env = dict(os.environ, XDG_RUNTIME_DIR=str(self.runtime),
                   DBUS_SESSION_BUS_ADDRESS=address, MUTTER_DEBUG="window-state,focus",
                   MUTTER_DEBUG_DISABLE_ANIMATIONS="1")
        server = subprocess.Popen(["mutter", "--wayland", "--headless", "--no-x11",
                                   "--virtual-monitor", "1280x1024", "--wayland-display",
                                   "kozmat-bench"], env=env, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.PIPE, text=True, errors="replace")
        self.procs = [bus, server]
        threading.Thread(target=self.read, args=(server.stderr,), daemon=True).start()
        # The programs get no bus: as on X11, no desktop session and no accessibility bus.
        self.env = {"XDG_RUNTIME_DIR": str(self.runtime), "WAYLAND_DISPLAY": "kozmat-bench"}
        flags = (Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
                 Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
        self.bus = Gio.DBusConnection.new_for_address_sync(address, flags, None, None)
        wait("mutter", lambda: self.call("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                         "org.freedesktop.DBus", "NameHasOwner",
                                         GLib.Variant("(s)", (self.REMOTE,)), "(b)")[0], 30)
        self.session = self.call(self.REMOTE, "/org/gnome/Mutter/RemoteDesktop", self.REMOTE,
                                 "CreateSession", None, "(o)")[0]
        self.call(self.REMOTE, self.session, f"{self.REMOTE}.Session", "Start", None, "()")
        # mutter makes its virtual keyboard with the first key, and a key that comes with it
        # reaches no window: a Shift first.
        self.key(self.SHIFT)
        time.sleep(0.5)

    def call(self, name, path, interface, method, args, reply):
        return self.bus.call_sync(name, path, interface, method, args,
                                  GLib.VariantType(reply), 0, -1, None).unpack()

    def key(self, code):
        for down in (True, False):
            self.call(self.REMOTE, self.session, f"{self.REMOTE}.Session",
                      "NotifyKeyboardKeycode", GLib.Variant("(ub)", (code, down)), "()")

    def read(self, lines):
        shown = set()
        for line in lines:
            if m := re.search(r"Showing window W(\d+),", line):
                if m[1] not in shown:
                    shown.add(m[1])
                    self.report("new")
            elif re.search(r"\* Focus --> W\d+", line):
                self.report("focus")

    def press_return(self):
        self.key(self.ENTER)

    def close(self):
        self.bus.close_sync(None)
        super().close()


def run(desk, env, command, key, settle_ms):
    desk.forget()
    quiet = [(os.POSIX_SPAWN_OPEN, fd, os.devnull, os.O_WRONLY, 0) for fd in (1, 2)]
    began = time.monotonic()
    pid = os.posix_spawn(command[0], command, env, file_actions=quiet)
    result = {"shown_ms": (desk.next("new") - began) * 1e3}
    if key:
        desk.next("focus")
        # Not at once: a window's first moments are the program's own (the start window is
        # prepared while the welcome box waits), and no pupil answers a box within them.
        time.sleep(settle_ms / 1e3 + 0.1)
        desk.forget()
        pressed = time.monotonic()
        desk.press_return()
        result["key_shown_ms"] = (desk.next("new") - pressed) * 1e3
    time.sleep(settle_ms / 1e3)
    os.kill(pid, signal.SIGTERM)
    result["maxrss_mib"] = os.wait4(pid, 0)[2].ru_maxrss / 1024
    return result


def measure(desk, home, programs, runs, callgrind_runs, settle_ms):
    env = {"PATH": "/usr/local/bin:/usr/bin:/bin", "HOME": home, "LANG": "C.UTF-8",
           "QT_QPA_PLATFORM": "wayland", **desk.env}
    for command, key in programs.values():
        run(desk, env, command, key, settle_ms)
    startup = {name: [] for name in programs}
    for _ in range(runs):
        for name, (command, key) in programs.items():
            startup[name].append(run(desk, env, command, key, settle_ms))
    instructions = {name: [count_instructions(programs[name][0], env)
                           for _ in range(callgrind_runs)] for name in ("ours", "text")}
    return {"startup": startup, "instructions": instructions}


def main():
    build, runs, callgrind_runs, settle_ms = Path(sys.argv[1]), *map(int, sys.argv[2:5])
    tools = build / "bench"
    programs = {"ours": ([str(build / "src" / "كوزماط")], True),
                "text": ([str(tools / "textfloor")], False),
                "return": ([str(tools / "returnfloor")], True)}
    results = {}
    for kind in (Sway, Mutter):
        with tempfile.TemporaryDirectory(prefix="kozmat-bench-wayland-") as home:
            os.environ["HOME"] = home
            desk = kind(home)
            try:
                results[kind.name] = measure(desk, home, programs, runs, callgrind_runs,
                                             settle_ms)
            finally:
                desk.close()
    json.dump(results, sys.stdout)


if __name__ == "__main__":
    main()
