# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The interface's keys, clicks, taps and wheel turns as W3C WebDriver input actions, which
WebDriver over HTTP (webdriver.py) and WebDriver BiDi (bidi.py) take alike."""

# The keys the tests name, as WebDriver writes them; any other key is the character it types.
KEYS = {"Enter": "\ue007", "Tab": "\ue004", "Backspace": "\ue003", "Escape": "\ue00c",
        "Delete": "\ue017", "ArrowLeft": "\ue012", "ArrowUp": "\ue013", "ArrowRight": "\ue014",
        "ArrowDown": "\ue015", "Home": "\ue011", "End": "\ue010", "PageUp": "\ue00e",
        "PageDown": "\ue00f", " ": " "}
# The interface's modifier bits (as the DevTools protocol counts them): Alt, Ctrl, Meta, Shift.
MODIFIERS = [(1, "\ue00a"), (2, "\ue009"), (4, "\ue03d"), (8, "\ue008")]


def keys(key, text=None, modifiers=0):
    held = [value for bit, value in MODIFIERS if modifiers & bit]
    value = KEYS.get(key) or (text if text and text not in "\r\n" else key)
    if len(value) != 1:
        raise ValueError(f"no WebDriver key for {key!r}")
    presses = [dict(type="keyDown", value=v) for v in held + [value]]
    releases = [dict(type="keyUp", value=v) for v in reversed(held + [value])]
    return [dict(type="key", id="keyboard", actions=presses + releases)]


def typing(text):
    return [dict(type="key", id="keyboard", actions=[
        dict(type=kind, value=ch) for ch in text for kind in ("keyDown", "keyUp")])]


def press(x, y, pointer="mouse"):
    """A click, or with pointer "touch" a tap, at x, y of the page."""
    return [dict(type="pointer", id=pointer, parameters=dict(pointerType=pointer), actions=[
        dict(type="pointerMove", x=int(x), y=int(y), origin="viewport"),
        dict(type="pointerDown", button=0), dict(type="pointerUp", button=0)])]


def wheel(x, y, dx, dy):
    """The wheel turned where the mouse is: moved there first, as a hand does (WebKitGTK sends
    the turn to the window under the mouse's last place)."""
    return [dict(type="pointer", id="mouse", parameters=dict(pointerType="mouse"), actions=[
                dict(type="pointerMove", x=int(x), y=int(y), origin="viewport"),
                dict(type="pause")]),
            dict(type="wheel", id="wheel", actions=[
                dict(type="pause"),
                dict(type="scroll", x=int(x), y=int(y), deltaX=int(dx), deltaY=int(dy),
                     origin="viewport")])]


class Performing:
    """The interface's input, for a driver whose perform(sequence) sends W3C input actions."""

    def key(self, key, text=None, virtual=0, code=None, modifiers=0):
        self.perform(keys(key, text, modifiers))

    def click(self, x, y):
        self.perform(press(x, y))

    def tap(self, x, y):
        self.perform(press(x, y, "touch"))

    def type(self, text):
        self.perform(typing(text))

    def wheel(self, x, y, dx, dy):
        self.perform(wheel(x, y, dx, dy))
