#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The installed program on a Wayland compositor, driven over AT-SPI: the welcome box, one
calculator of the start window, the error box and the exit.

Usage: wayland_session.py PROGRAM OUTPUT-DIR   (WAYLAND_DISPLAY set, AT-SPI bus up)
"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "e2e"))
import pyatspi  # noqa: E402
import session  # noqa: E402
from session import Calculator, Failure, START, one, press, type_into, text_of  # noqa: E402


def shoot(out, name):
    """Weston's screenshooter writes the whole output into the current folder."""
    before = set(os.listdir(out))
    try:
        subprocess.run(["weston-screenshooter"], cwd=out, check=False, timeout=5,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    except subprocess.TimeoutExpired:
        print(f"no screenshot {name}: weston-screenshooter did not answer", file=sys.stderr)
    made = sorted(set(os.listdir(out)) - before)
    if made:
        os.replace(os.path.join(out, made[-1]), os.path.join(out, name))


def main():
    program, out = sys.argv[1:3]
    os.makedirs(out, exist_ok=True)
    with session.Session(program, out) as s:
        s.window("ترحيب", pyatspi.ROLE_ALERT)
        shoot(out, "welcome.png")
        s.message("ترحيب", "أهلا و سهلا بكم في كوزماط الإصدار الأول")
        w = s.window(START)
        calc = Calculator(w)
        type_into(calc.first, "7")
        type_into(calc.second, "2")
        calc.calculate("الضرب (*)", "14")
        shoot(out, "start.png")
        calc.choose("القسمة (/)")
        type_into(calc.second, "0")
        press(calc.compute)
        s.message("كوزماط", "خطأ 11: القسمة على صفر")
        if text_of(calc.first) != "7":
            raise Failure("the first value changed after the error")
        press(one(w, pyatspi.ROLE_PUSH_BUTTON, "خروج"))
        s.message("توديع", "مع السلامة")
        s.finish()
    print("PASS: welcome, a calculation, the error box and the exit on Wayland")


if __name__ == "__main__":
    session.run(main)
