# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""The benchmark's runs on Wayland, on a headless sway of their own; measure.py runs this as a
user that sway accepts and reads its result, one JSON object, from standard output.

Each program is started RUNS times, the programs alternating run by run, after one unmeasured
run of each. sway reports a window when it maps it, which on Wayland is when the program
commits its first frame: Qt commits a window once it has painted it whole, so that moment is
the window shown and drawn. Return is typed with wtype once the window has the focus, and
the next window of the program timed the same way; the program is ended SETTLE_MS after its
last window and its peak memory read from wait4.

Usage: wayland.py BUILD RUNS CALLGRIND-RUNS SETTLE-MS
"""

import json
import os
import queue
import signal
import subprocess
import sys
import tempfile
import threading
import time
from pathlib import Path

from measure import count_instructions


def wait(what, condition, seconds=20):
    end = time.monotonic() + seconds
    while not (value := condition()):
        if time.monotonic() > end:
            raise SystemExit(f"bench: no {what} after {seconds} s")
        time.sleep(0.02)
    return value


class Sway:
    def __init__(self, home):
        runtime = Path(home) / "runtime"
        runtime.mkdir(mode=0o700)
        conf = Path(home) / "sway.conf"
        # Floating, every window keeps its own size, as on the X display with no window manager.
        conf.write_text("output HEADLESS-1 resolution 1280x1024\nxwayland disable\n"
                        "for_window [app_id=\".*\"] floating enable\n")
        env = dict(os.environ, XDG_RUNTIME_DIR=str(runtime), WLR_BACKENDS="headless",
                   WLR_LIBINPUT_NO_DEVICES="1", WLR_RENDERER="pixman")
        self.server = subprocess.Popen(["sway", "-c", str(conf)], env=env,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        socket = runtime / f"sway-ipc.{os.getuid()}.{self.server.pid}.sock"
        display = wait("sway", lambda: socket.exists() and next(runtime.glob("wayland-*[0-9]"),
                                                                  None))
        self.env = {"XDG_RUNTIME_DIR": str(runtime), "WAYLAND_DISPLAY": display.name,
                    "SWAYSOCK": str(socket)}
        env.update(self.env)
        # A keyboard held for the whole run: sway drops the keys of one that has just come.
        self.keyboard = subprocess.Popen(["wtype", "-s", "3600000"], env=env)
        wait("virtual keyboard", lambda: "keyboard" in subprocess.run(
            ["swaymsg", "-t", "get_inputs"], env=env, capture_output=True, text=True).stdout)
        self.events = queue.Queue()
        self.watcher = subprocess.Popen(["swaymsg", "-m", "-r", "-t", "subscribe", '["window"]'],
                                        env=env, stdout=subprocess.PIPE, text=True)
        threading.Thread(target=self.read, daemon=True).start()

    def read(self):
        for line in self.watcher.stdout:
            if line.strip():
                event = json.loads(line)
                self.events.put((time.monotonic(), event["change"], event["container"]["pid"]))

    def next(self, change, pid, seconds=20):
        """The time at which sway next reports the change of a window of process pid."""
        end = time.monotonic() + seconds
        while True:
            try:
                at, seen, who = self.events.get(timeout=max(0.0, end - time.monotonic()))
            except queue.Empty:
                raise SystemExit(f"bench: sway reported no window {change} of {pid}")
            if seen == change and who == pid:
                return at

    def close(self):
        for proc in (self.watcher, self.keyboard, self.server):
            proc.terminate()
            proc.wait()


def run(sway, env, command, key, settle_ms):
    while not sway.events.empty():
        sway.events.get()
    quiet = [(os.POSIX_SPAWN_OPEN, fd, os.devnull, os.O_WRONLY, 0) for fd in (1, 2)]
    began = time.monotonic()
    pid = os.posix_spawn(command[0], command, env, file_actions=quiet)
    result = {"shown_ms": (sway.next("new", pid) - began) * 1e3}
    if key:
        sway.next("focus", pid)
        pressed = time.monotonic()
        subprocess.run(["wtype", "-k", "Return"], env=env, check=True)
        result["key_shown_ms"] = (sway.next("new", pid) - pressed) * 1e3
    time.sleep(settle_ms / 1e3)
    os.kill(pid, signal.SIGTERM)
    result["maxrss_mib"] = os.wait4(pid, 0)[2].ru_maxrss / 1024
    return result


def main():
    build, runs, callgrind_runs, settle_ms = Path(sys.argv[1]), *map(int, sys.argv[2:5])
    tools = build / "bench"
    programs = {"ours": ([str(build / "src" / "كوزماط")], True),
                "text": ([str(tools / "textfloor")], False),
                "return": ([str(tools / "returnfloor")], True)}
    with tempfile.TemporaryDirectory(prefix="kozmat-bench-wayland-") as home:
        os.environ["HOME"] = home
        sway = Sway(home)
        env = {"PATH": "/usr/local/bin:/usr/bin:/bin", "HOME": home, "LANG": "C.UTF-8",
               "QT_QPA_PLATFORM": "wayland", **sway.env}
        try:
            for command, key in programs.values():
                run(sway, env, command, key, settle_ms)
            startup = {name: [] for name in programs}
            for _ in range(runs):
                for name, (command, key) in programs.items():
                    startup[name].append(run(sway, env, command, key, settle_ms))
            instructions = {name: [count_instructions(programs[name][0], env)
                                   for _ in range(callgrind_runs)] for name in ("ours", "text")}
        finally:
            sway.close()
    json.dump({"startup": startup, "instructions": instructions}, sys.stdout)


if __name__ == "__main__":
    main()
