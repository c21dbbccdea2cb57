#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program under French regional settings, driven over AT-SPI: 7 ÷ 2 shows "3,5", and
that shown result, typed back, times 2 gives 7. A screenshot of 1 ÷ 3 goes to OUTPUT-DIR.

Usage: comma_session.py PROGRAM OUTPUT-DIR   (on an X display, with the AT-SPI bus and registry up)
"""
import os
import sys
import time

import pyatspi

import session
from session import Calculator, one, press, type_into

LOCALE = "fr_FR.UTF-8"


def main():
    program, out = sys.argv[1:3]
    os.makedirs(out, exist_ok=True)
    began = time.monotonic()
    # Only the program runs under the user's French settings; the buses are already up.
    os.environ.update(LC_ALL=LOCALE, LANG=LOCALE)
    with session.Session(program, out) as s:
        s.message("ترحيب", "أهلا و سهلا بكم في كوزماط الإصدار الأول")
        w = s.window(session.START)
        calc = Calculator(w)
        type_into(calc.first, "7")
        type_into(calc.second, "2")
        calc.calculate("القسمة (/)", "3,5")
        shown = calc.result.name
        type_into(calc.first, shown)
        calc.calculate("الضرب (*)", "7")
        print(f"7 / 2 shown as {shown!r}; {shown!r} typed back, times 2: {calc.result.name!r}")

        type_into(calc.first, "1")
        type_into(calc.second, "3")
        calc.calculate("القسمة (/)", "0,333333333333333")
        s.screenshot(session.START, "start-one-third.png", (190, 482, "C0C0FF"))

        press(one(w, pyatspi.ROLE_PUSH_BUTTON, "خروج"))
        s.message("توديع", "مع السلامة")
        s.finish()
    print(f"PASS: the shown result read back under {LOCALE} in "
          f"{time.monotonic() - began:.1f} s; screenshot in {out}")


if __name__ == "__main__":
    session.run(main)
