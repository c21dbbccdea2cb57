# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Debian's Chromium, headless, driven over the DevTools protocol, and a local web server: what
the browser's tests (tests/web) and benchmark (bench/web.py) share.

Run as `devtools.py FOLDER OUTPUT-DIR`, it serves FOLDER and shows it in a Chromium window until
it is ended (SIGTERM), for a screen reader to read (tests/e2e/orca.sh).

Keys, clicks and taps reach the page as a user's do (Input.dispatch*). The page's console, its
uncaught errors and the browser's error log are kept, and the bytes it received from the network.
"""
import base64, functools, gzip, http.server, json, os, shutil, socket, subprocess  # noqa: E401
import signal, sys, tempfile, threading, time, urllib.request, zlib  # noqa: E401

import websocket


class Failure(Exception):
    pass


def until(what, condition, timeout=30):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise Failure(f"timed out waiting for {what}")


def serve(folder, compress=False, headers=None):
    """The folder on http://127.0.0.1:PORT/ as a static web server serves it; with compress, the
    page and the program gzipped (level 6) as a school's server should; HEADERS (a dict) sent
    with every answer. Returns the server and its address."""
    packed = {}

    class Handler(http.server.SimpleHTTPRequestHandler):
        def send_head(self):
            path = self.translate_path(self.path.split("?")[0])
            path = os.path.join(path, "index.html") if os.path.isdir(path) else path
            if not compress or not path.endswith((".wasm", ".js", ".html")) or \
                    "gzip" not in self.headers.get("Accept-Encoding", ""):
                return super().send_head()
            if path not in packed:
                with open(path, "rb") as f:
                    packed[path] = gzip.compress(f.read(), 6, mtime=0)
            self.send_response(200)
            for header, value in [("Content-Type", self.guess_type(path)),
                                  ("Content-Encoding", "gzip"),
                                  ("Content-Length", str(len(packed[path])))]:
                self.send_header(header, value)
            self.end_headers()
            self.wfile.write(packed[path])

        def end_headers(self):
            for header, value in (headers or {}).items():
                self.send_header(header, value)
            super().end_headers()

        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                             functools.partial(Handler, directory=folder))
    server.handle_error = lambda *args: None  # a browser closed in the middle of a download
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}/"


class Chromium:
    def __init__(self, out, language="ar", size=(1280, 900), script=None, shown=False):
        """A browser that has never seen a page, its window SIZE, its language LANGUAGE as pages
        read it (navigator.language), running SCRIPT in every page before the page's own; SHOWN,
        a window on the display with its accessibility open to screen readers (AT-SPI)."""
        self.out, self.size, self.console, self.wire, self.next_id = out, size, [], 0, 0
        self.profile = tempfile.mkdtemp()
        with socket.socket() as s:
            s.bind(("127.0.0.1", 0))
            port = s.getsockname()[1]
        # Without its background services Chromium would try to reach Google's servers.
        self.proc = subprocess.Popen(
            ["chromium", *(["--force-renderer-accessibility", "--disable-features=Translate",
                            "--test-type", f"--lang={language}", "--window-position=0,0",
                            f"--window-size={size[0]},{size[1]}"] if shown else
                           ["--headless=new"]), "--no-sandbox", "--disable-gpu", "--no-first-run",
             "--use-gl=swiftshader", "--enable-unsafe-swiftshader", "--disable-quic",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             # The protocol's WebSocket refuses a client that sends another origin than its
             # own, as Python's does.
             "--remote-allow-origins=*", f"--user-data-dir={self.profile}",
             f"--remote-debugging-port={port}", "about:blank"],
            stdout=subprocess.DEVNULL, stderr=open(os.path.join(out, "chromium.log"), "w"))

        def page():
            try:
                with urllib.request.urlopen(f"http://127.0.0.1:{port}/json", timeout=1) as r:
                    return next(t for t in json.load(r) if t["type"] == "page")
            except (OSError, StopIteration):
                return None
        self.ws = websocket.create_connection(until("Chromium", page)["webSocketDebuggerUrl"])
        for domain in ("Runtime", "Log", "Page", "Network"):
            self.send(f"{domain}.enable")
        if not shown:
            self.send("Emulation.setDeviceMetricsOverride", width=size[0], height=size[1],
                      deviceScaleFactor=1, mobile=False)
        # Headless Chromium takes the language pages read from here, not from --lang.
        self.send("Emulation.setUserAgentOverride", acceptLanguage=language,
                  userAgent=self.send("Browser.getVersion")["userAgent"])
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

    def send(self, method, **params):
        self.next_id += 1
        self.ws.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            m = json.loads(self.ws.recv())
            if m.get("id") == self.next_id:
                if "error" in m:
                    raise Failure(f"{method}: {m['error']}")
                return m.get("result", {})
            p, event = m.get("params", {}), m.get("method")
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

    def shot(self, name, clip=None):
        """A PNG of the page, or of its rectangle (x, y, width, height), in the output folder."""
        params = {"clip": dict(zip("x y width height".split(), clip), scale=1)} if clip else {}
        path = os.path.join(self.out, name)
        with open(path, "wb") as f:
            f.write(base64.b64decode(self.send("Page.captureScreenshot", **params)["data"]))
        return path

    def pixel(self, x, y):
        """The colour at x, y as rrggbb: the one pixel of an 8-bit RGB or RGBA PNG."""
        png = base64.b64decode(self.send("Page.captureScreenshot", clip=dict(
            x=x, y=y, width=1, height=1, scale=1))["data"])
        at, idat = 8, b""
        while at < len(png):  # the chunks: length, type, data, check
            length = int.from_bytes(png[at:at + 4], "big")
            if png[at + 4:at + 8] == b"IDAT":
                idat += png[at + 8:at + 8 + length]
            at += 12 + length
        return zlib.decompress(idat)[1:4].hex()  # the row's filter byte changes nothing here

    def clean(self):
        """No error in the console so far."""
        errors = [t for level, t in self.console if level in ("error", "assert")]
        if errors:
            raise Failure(f"errors in the console: {errors}")

    def __enter__(self):
        return self

    def __exit__(self, kind, value, traceback):
        if kind is not None:
            try:
                print(f"--- the page when it failed: {self.shot('failure.png')}")
            except Exception:
                pass
            print("--- its console, last lines:", *self.console[-20:], sep="\n  ")
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
