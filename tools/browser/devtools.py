# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Debian's Chromium, headless, driven over the DevTools protocol (the interface: browser.py).

Run as `devtools.py FOLDER OUTPUT-DIR`, it serves FOLDER and shows it in a Chromium window until
it is ended (SIGTERM), for a screen reader to read (tests/e2e/orca.sh).

Keys, clicks and taps reach the page as a user's do (Input.dispatch*). The page's console, its
uncaught errors and the browser's error log are kept, and the bytes it received from the network.
"""
import base64, json, os, shutil, signal, socket, subprocess, sys, tempfile  # noqa: E401
import urllib.request

import websocket

from browser import Browser, Failure, Messages, serve, until


class Chromium(Messages, Browser):
    name = "Chromium"

    def __init__(self, *args, shown=False, **kwargs):
        """SHOWN: a window on the display with its accessibility open to screen readers
        (AT-SPI), rather than headless."""
        self.shown = shown
        super().__init__(*args, **kwargs)

    def start(self, language, script, touch, env):
        out, size = self.out, self.size
        self.wire, self.proc = 0, None
        self.profile = tempfile.mkdtemp()
        with socket.socket() as s:
            s.bind(("127.0.0.1", 0))
            port = s.getsockname()[1]
        # Without its background services Chromium would try to reach Google's servers.
        self.proc = subprocess.Popen(
            ["chromium", *(["--force-renderer-accessibility", "--disable-features=Translate",
                            "--test-type", f"--lang={language}", "--window-position=0,0",
                            f"--window-size={size[0]},{size[1]}"] if self.shown else
                           ["--headless=new"]), "--no-sandbox", "--disable-gpu", "--no-first-run",
             "--use-gl=swiftshader", "--enable-unsafe-swiftshader", "--disable-quic",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             # The protocol's WebSocket refuses a client that sends another origin than its
             # own, as Python's does.
             "--remote-allow-origins=*", f"--user-data-dir={self.profile}",
             f"--remote-debugging-port={port}", "about:blank"],
            stdout=subprocess.DEVNULL, stderr=open(os.path.join(out, "chromium.log"), "w"),
            env={**os.environ, **env})

        def page():
            try:
                with urllib.request.urlopen(f"http://127.0.0.1:{port}/json", timeout=1) as r:
                    return next(t for t in json.load(r) if t["type"] == "page")
            except (OSError, StopIteration):
                return None
        self.ws = websocket.create_connection(until("Chromium", page)["webSocketDebuggerUrl"])
        for domain in ("Runtime", "Log", "Page", "Network"):
            self.send(f"{domain}.enable")
        if not self.shown:
            self.send("Emulation.setDeviceMetricsOverride", width=size[0], height=size[1],
                      deviceScaleFactor=1, mobile=False)
        # Headless Chromium takes the language pages read from here, not from --lang.
        version = self.send("Browser.getVersion")
        self.version = version["product"].split("/")[-1]
        self.send("Emulation.setUserAgentOverride", acceptLanguage=language,
                  userAgent=version["userAgent"])
        if touch:
            self.send("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
        if script:
            self.add_script(script)

    def navigate(self, url):
        self.send("Page.navigate", url=url)

    def add_script(self, source):
        """Runs SOURCE in every page loaded from now on, before the page's own scripts; returns
        what remove_script takes."""
        return self.send("Page.addScriptToEvaluateOnNewDocument", source=source)["identifier"]

    def remove_script(self, added):
        self.send("Page.removeScriptToEvaluateOnNewDocument", identifier=added)

    def event(self, event, p):
        if event == "Runtime.consoleAPICalled":
            self.console.append((p["type"], " ".join(str(a.get("value", a.get(
                "description"))) for a in p["args"])))
        elif event == "Runtime.exceptionThrown":
            self.console.append(("error", json.dumps(p["exceptionDetails"])[:300]))
        elif event == "Log.entryAdded":
            self.console.append((p["entry"]["level"], p["entry"]["text"]))
        elif event == "Network.loadingFinished":
            self.wire += p["encodedDataLength"]

    def js(self, expression):
        r = self.send("Runtime.evaluate", expression=expression, returnByValue=True,
                      awaitPromise=True)
        if "exceptionDetails" in r:
            raise Failure(f"{expression}: {r['exceptionDetails']}")
        return r["result"].get("value")

    def accessible(self):
        """The page's accessibility tree as Chromium gives it to screen readers: the nodes it
        does not ignore, in its order, each a dict of role, name, description, value, its
        properties (focused, checked, ...) and its DOM node (backendDOMNodeId)."""
        nodes = []
        for n in self.send("Accessibility.getFullAXTree")["nodes"]:
            if n.get("ignored"):
                continue
            node = {k: n[k].get("value", "") for k in ("role", "name", "description", "value")
                    if k in n}
            node.update({p["name"]: p["value"].get("value", p["value"].get("relatedNodes"))
                         for p in n.get("properties", [])})
            nodes.append(dict(node, node=n.get("backendDOMNodeId")))
        return nodes

    def focused(self):
        """The node a screen reader is told has the focus: the innermost focused one, or the
        active descendant it names."""
        nodes = self.accessible()
        node = next((n for n in reversed(nodes) if n.get("focused")), None)
        active = node and node.get("activedescendant")
        if active:
            return next((n for n in nodes if n["node"] == active[0]["backendDOMNodeId"]), None)
        return node

    def key(self, key, text=None, virtual=0, code=None, modifiers=0):
        params = dict(key=key, code=code or key, windowsVirtualKeyCode=virtual, text=text or "",
                      modifiers=modifiers)
        self.send("Input.dispatchKeyEvent", type="keyDown" if text else "rawKeyDown", **params)
        self.send("Input.dispatchKeyEvent", type="keyUp", **params)

    # Keys by name: the DOM's key, the text it types, its virtual key code and DOM code.
    NAMED = {"Tab": ("Tab", None, 9), "Enter": ("Enter", "\r", 13), "Escape": ("Escape", None, 27),
             "Space": (" ", " ", 32, "Space"), "Up": ("ArrowUp", None, 38),
             "Down": ("ArrowDown", None, 40)}

    def press(self, *names):
        """Presses keys by name: one of NAMED or a digit, "shift+" before it for Shift."""
        for name in names:
            bare = name.removeprefix("shift+")
            key, text, virtual, *code = self.NAMED.get(bare) or (bare, bare, ord(bare),
                                                                 f"Digit{bare}")
            self.key(key, text, virtual, *code, modifiers=8 if bare != name else 0)

    def click(self, x, y):
        for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
            self.send("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                      clickCount=1)

    def tap(self, x, y):
        self.send("Input.dispatchTouchEvent", type="touchStart", touchPoints=[dict(x=x, y=y)])
        self.send("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    def type(self, text):
        self.send("Input.insertText", text=text)

    def wheel(self, x, y, dx, dy):
        self.send("Input.dispatchMouseEvent", type="mouseWheel", x=x, y=y, deltaX=dx, deltaY=dy)

    def png(self, clip=None):
        params = {"clip": dict(zip("x y width height".split(), clip), scale=1)} if clip else {}
        return base64.b64decode(self.send("Page.captureScreenshot", **params)["data"])

    def flush(self):
        self.send("Runtime.evaluate", expression="0")

    def installable(self):
        return not self.send("Page.getAppManifest")["errors"] and \
            not self.send("Page.getInstallabilityErrors")["installabilityErrors"]

    def close(self):
        if self.proc:
            self.proc.terminate()
            self.proc.wait()
        shutil.rmtree(self.profile, ignore_errors=True)


def main():
    signal.signal(signal.SIGTERM, lambda *args: sys.exit(0))
    folder, out = sys.argv[1:3]
    server, url = serve(folder)
    with Chromium(out, size=(1024, 768), shown=True) as b:
        b.navigate(url)
        signal.pause()


if __name__ == "__main__":
    main()
