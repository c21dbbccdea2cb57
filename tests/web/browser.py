# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Debian's Chromium, headless, driven over the DevTools protocol: what the browser sessions of
tests/web share.

Keys and clicks reach the page as a user's do (Input.dispatch*); the page's console, its
uncaught errors and the browser's own error log are kept, so that a session can check that none
was an error and a failure can show the last lines.
"""
import base64
import json
import os
import shutil
import socket
import subprocess
import tempfile
import time
import urllib.request

import websocket

TIMEOUT = 30.0  # seconds for any one effect to show
# The page's own record of what the program told it (src/platform/web/index.html's events).
RECORDER = """
window.kozmatTold = [];
for (const name of ["kozmat-say", "kozmat-window", "kozmat-ended"])
  document.addEventListener(name, (event) => window.kozmatTold.push([name, event.detail]));
"""


class Failure(Exception):
    pass


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Browser:
    def __init__(self, out, language="ar", width=1280, height=900, flags=()):
        self.out = out
        self.profile = tempfile.mkdtemp()
        port = free_port()
        # Without the background services Chromium would try, and fail, to reach Google.
        self.proc = subprocess.Popen(
            ["chromium", "--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--disable-quic", "--use-gl=swiftshader", "--enable-unsafe-swiftshader",
             "--ignore-gpu-blocklist",
             f"--user-data-dir={self.profile}", f"--remote-debugging-port={port}",
             f"--window-size={width},{height}", *flags, "about:blank"],
            stdout=subprocess.DEVNULL, stderr=open(os.path.join(out, "chromium.log"), "w"))
        page = self._until("Chromium's DevTools", lambda: self._page(port), 30)
        self.ws = websocket.create_connection(page["webSocketDebuggerUrl"], timeout=TIMEOUT)
        self.next_id = 0
        self.console = []  # (level, text)
        for domain in ("Runtime", "Log", "Page"):
            self.send(f"{domain}.enable")
        self.send("Emulation.setDeviceMetricsOverride", width=width, height=height,
                  deviceScaleFactor=1, mobile=False)
        # The browser's language, as the page reads it (navigator.language): headless Chromium
        # takes it from here, not from --lang.
        self.send("Emulation.setUserAgentOverride", acceptLanguage=language,
                  userAgent=self.send("Browser.getVersion")["userAgent"])
        self.send("Page.addScriptToEvaluateOnNewDocument", source=RECORDER)

    @staticmethod
    def _page(port):
        try:
            with urllib.request.urlopen(f"http://127.0.0.1:{port}/json", timeout=1) as r:
                pages = [t for t in json.load(r) if t["type"] == "page"]
        except OSError:
            return None
        return pages[0] if pages else None

    @staticmethod
    def _until(what, condition, timeout=TIMEOUT):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            value = condition()
            if value:
                return value
            time.sleep(0.05)
        raise Failure(f"timed out waiting for {what}")

    def send(self, method, **params):
        self.next_id += 1
        self.ws.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.ws.recv())
            if message.get("id") == self.next_id:
                if "error" in message:
                    raise Failure(f"{method}: {message['error']}")
                return message.get("result", {})
            self._event(message)

    def _event(self, message):
        method, params = message.get("method"), message.get("params", {})
        if method == "Runtime.consoleAPICalled":
            text = " ".join(str(a.get("value", a.get("description", ""))) for a in params["args"])
            self.console.append((params["type"], text))
        elif method == "Runtime.exceptionThrown":
            details = params["exceptionDetails"]
            self.console.append(("error", details.get("exception", {}).get(
                "description", details.get("text", ""))))
        elif method == "Log.entryAdded":
            self.console.append((params["entry"]["level"], params["entry"]["text"]))

    def evaluate(self, expression):
        result = self.send("Runtime.evaluate", expression=expression, returnByValue=True,
                           awaitPromise=True)
        if "exceptionDetails" in result:
            raise Failure(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def wait_for(self, what, condition, timeout=TIMEOUT):
        """Polls condition() (which may talk to the page) until it gives a true value."""
        return self._until(what, condition, timeout)

    def told(self):
        """What the program told the page so far, as (event, detail) pairs."""
        return [tuple(t) for t in self.evaluate("window.kozmatTold || []")]

    def errors(self):
        return [text for level, text in self.console if level in ("error", "assert")]

    # --- what a user does
    def key(self, key, code=None, text=None, key_code=0, modifiers=0):
        params = dict(key=key, code=code or key, windowsVirtualKeyCode=key_code,
                      modifiers=modifiers)
        if text:
            params["text"] = params["unmodifiedText"] = text
        self.send("Input.dispatchKeyEvent", type="keyDown" if text else "rawKeyDown", **params)
        self.send("Input.dispatchKeyEvent", type="keyUp", **params)

    def type(self, text):
        """Types text key by key, as a keyboard does; Arabic-Indic digits on the digit keys."""
        for ch in text:
            digit = "0123456789"["٠١٢٣٤٥٦٧٨٩".index(ch)] if ch in "٠١٢٣٤٥٦٧٨٩" else ch
            code = f"Digit{digit}" if digit.isdigit() else {".": "Period", ",": "Comma"}.get(ch, "")
            self.key(ch, code=code, text=ch, key_code=ord(digit.upper()) if digit.isalnum() else 0)

    def enter(self):
        self.key("Enter", code="Enter", text="\r", key_code=13)

    def select_all(self):
        self.key("a", code="KeyA", key_code=65, modifiers=2)  # Ctrl

    def click(self, x, y):
        for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
            self.send("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                      clickCount=1)

    # --- what a user sees
    def screenshot(self, path, clip=None):
        """A PNG of the page, or of the rectangle (x, y, width, height) of it."""
        params = dict(format="png")
        if clip:
            x, y, w, h = clip
            params["clip"] = dict(x=x, y=y, width=w, height=h, scale=1)
        data = base64.b64decode(self.send("Page.captureScreenshot", **params)["data"])
        with open(path, "wb") as f:
            f.write(data)
        return path

    def pixel(self, x, y):
        """The colour of the page at x, y, as RRGGBB."""
        data = base64.b64decode(self.send("Page.captureScreenshot", format="png", clip=dict(
            x=x, y=y, width=1, height=1, scale=1))["data"])
        return subprocess.run(["convert", "png:-", "-format", "%[hex:p{0,0}]", "info:"],
                              input=data, capture_output=True, check=True).stdout.decode()[:6].lower()

    def close(self):
        try:
            self.ws.close()
        finally:
            self.proc.terminate()
            try:
                self.proc.wait(10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
            shutil.rmtree(self.profile, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, kind, value, traceback):
        if kind is not None:
            path = os.path.join(self.out, "failure.png")
            try:
                self.screenshot(path)
                print(f"--- the page when it failed: {path}")
            except Exception:
                pass
            try:
                print("--- what the program told the page, last:", self.told()[-8:])
            except Exception:
                pass
            print("--- the page's console, last lines:")
            for level, text in self.console[-30:]:
                print(f"  [{level}] {text}")
        self.close()
        return False
