# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader is told of the page in Chromium's accessibility tree, by keys only: each
stop of two Tab walks, a typed 7, Space on an option, 7 ÷ 0's box; no welcome text left."""
from browser import Failure, until

WELCOME = "أهلا و سهلا بكم في كوزماط الإصدار الأول"
# Each stop: role, name, value (boxes), state (options: checked or not).
START_WALK = [("image", "صورة الأشكال الهندسية", None, ""),
              *[("button", name, None, "") for name in (
                  "المربع", "المستطيل", "المعين", "متوازي الأضلاع", "الدائرة", "المثلث", "المصمم",
                  "بريدي", "موقعي", "خروج")],
              ("textbox", "القيمة الأولى", "", ""), ("textbox", "القيمة الثانية", "", ""),
              ("radio", "الجمع (+)", None, "not checked"), ("button", "أحسب", None, "")]
# The square window from its first box, round to it.
BOXES = [("textbox", "طول الضلع", "", ""), ("textbox", "النتيجة", "", "")]
SQUARE_WALK = [*BOXES, *[("button", name, None, "") for name in ("موقعي", "بريدي", "المصمم")],
               ("image", "صورة المربع", None, ""), *[("button", name, None, "") for name in (
                   "المحيط", "المساحة")], *BOXES]


def stop(node):
    checked = {"true": "checked", "false": "not checked"}.get(node and node.get("checked"), "")
    return node and (node["role"], node["name"], node.get("value", "") if node["role"] == "textbox"
                     else None, checked)


def reach(b, expected, *keys):
    """Presses KEYS and waits for the stop EXPECTED to have the focus."""
    b.press(*keys)
    try:
        until(f"{expected} focused", lambda: stop(b.focused()) == expected)
    except Failure:
        raise Failure(f"after {' '.join(keys)}: {stop(b.focused())}, not {expected}") from None
    print(f"  {' '.join(keys) or '-'}: {' · '.join(x for x in expected if x)}")


def box(b, title, text, *keys):
    """The message box in front after KEYS, its button focused, as a screen reader is told."""
    reach(b, ("button", "موافق", None, ""), *keys)
    shown = next((n for n in b.accessible() if n["role"] == "alertdialog"), {})
    if (shown.get("name"), shown.get("description")) != (title, text):
        raise Failure(f"the box is {shown}, not {title!r}: {text!r}")


def heard(b, *_):
    b.load()
    box(b, "ترحيب", WELCOME)
    reach(b, START_WALK[0], "Enter")
    until("the welcome text gone from the page", lambda: not any(
        WELCOME in n.get("name", "") + n.get("description", "") for n in b.accessible()))
    focused = "document.getElementById(document.activeElement.ariaActiveDescendantElement?.id)"
    b.js(f"{focused}.kept = true")
    for expected in START_WALK[1:] + START_WALK[:1]:
        reach(b, expected, "Tab")
        if expected[1] == "القيمة الأولى":
            reach(b, (*expected[:2], "7", ""), "7")
        elif expected[0] == "radio":
            reach(b, (*expected[:3], "checked"), "Space")
    # Kept in place, and Arabic: a screen reader hears an element made anew only once.
    if not b.js(f"{focused}.kept") or b.js("[...document.querySelectorAll('#screen [id]')]"
                                           ".some(e => e.lang !== 'ar' || e.dir !== 'rtl')"):
        raise Failure("the picture's element was made anew, or an element is not Arabic")
    # 7 ÷ 0, by keys only: the second box, the option three down, the button.
    reach(b, ("textbox", "القيمة الثانية", "0", ""), "shift+Tab", "shift+Tab", "shift+Tab", "0")
    reach(b, ("radio", "القسمة (/)", None, "checked"), "Tab", "Down", "Down", "Down")
    reach(b, START_WALK[-1], "Tab")
    box(b, "كوزماط", "خطأ 11: القسمة على صفر", "Enter")
    reach(b, START_WALK[-1], "Enter")
    # The square's perimeter of 3: what is typed, then the result in its box.
    reach(b, SQUARE_WALK[0], "Tab", "Tab", "Enter")
    reach(b, (*SQUARE_WALK[0][:2], "3", ""), "3")
    for expected in SQUARE_WALK[1:]:
        reach(b, expected, "Tab")
        if expected[1] == "المحيط":
            b.press("Enter")
    reach(b, (*SQUARE_WALK[0][:2], "3", ""), "Tab")
    reach(b, (*SQUARE_WALK[1][:2], "12", ""), "Tab")

