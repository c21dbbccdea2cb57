#!/usr/bin/python3
"""The real program under French regional settings, driven over AT-SPI: 7 ÷ 2 shows "3,5", and
that shown result, typed back, times 2 gives 7. A screenshot of 1 ÷ 3 goes to OUTPUT-DIR.

Usage: comma_session.py PROGRAM OUTPUT-DIR   (on an X display, with the AT-SPI bus and registry up)
"""
import os
import sys
import time

import pyatspi

import session
from session import Failure, act, one, press, type_into, wait_for

LOCALE = "fr_FR.UTF-8"


def main():
    program, out = sys.argv[1:3]
    os.makedirs(out, exist_ok=True)
    began = time.monotonic()
    # Only the program runs under the user's French settings; the buses are already up.
    os.environ.update(LC_ALL=LOCALE, LANG=LOCALE)
    s = session.Session(program, out)
    try:
        s.message("ترحيب", "أهلا و سهلا بكم في كوزماط الإصدار الأول")
        w = s.window(session.START)
        calc = one(w, pyatspi.ROLE_PANEL, "آلة حاسبة")
        first = one(calc, pyatspi.ROLE_TEXT, "القيمة الأولى")
        second = one(calc, pyatspi.ROLE_TEXT, "القيمة الثانية")
        result = one(calc, pyatspi.ROLE_LABEL, description=session.RESULT_ROLE)
        compute = one(calc, pyatspi.ROLE_PUSH_BUTTON, "أحسب")

        def calculate(operation, expected):
            option = one(calc, pyatspi.ROLE_RADIO_BUTTON, operation)
            act(option, "Toggle")
            wait_for(f"{operation!r} selected",
                     lambda: option.getState().contains(pyatspi.STATE_CHECKED))
            press(compute)
            wait_for(f"the result {expected!r} of {operation!r}",
                     lambda: result.name == expected)

        type_into(first, "7")
        type_into(second, "2")
        calculate("القسمة (/)", "3,5")
        shown = result.name
        type_into(first, shown)
        calculate("الضرب (*)", "7")
        print(f"7 / 2 shown as {shown!r}; {shown!r} typed back, times 2: {result.name!r}")

        type_into(first, "1")
        type_into(second, "3")
        calculate("القسمة (/)", "0,333333333333333")
        s.screenshot(session.START, "start-one-third.png", (190, 482, "C0C0FF"))

        press(one(w, pyatspi.ROLE_PUSH_BUTTON, "خروج"))
        s.message("توديع", "مع السلامة")
        s.finish()
    except BaseException:
        if s.proc.poll() is None:
            s.proc.kill()
            s.proc.wait()
        raise
    print(f"PASS: the shown result read back under {LOCALE} in "
          f"{time.monotonic() - began:.1f} s; screenshot in {out}")


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        sys.exit(1)
