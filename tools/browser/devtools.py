# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Debian's Chromium, headless, driven over the DevTools protocol, and a local web server: what
the browser's tests (tests/web) and benchmark (bench/web.py) share.

Keys, clicks and taps reach the page as a user's do (Input.dispatch*). The page's console, its
uncaught errors and the browser's error log are kept, and the bytes it received from the network.
"""
import base64, functools, gzip, http.server, json, os, shutil, socket, subprocess  # noqa: E401
import tempfile, threading, time, urllib.request, zlib  # noqa: E401

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
    def __init__(self, out, language="ar", size=(1280, 900), script=None):
        """A browser that has never seen a page, its window SIZE, its language LANGUAGE as pages
        read it (navigator.language), running SCRIPT in every page before the page's own."""
        self.out, self.size, self.console, self.wire, self.next_id = out, size, [], 0, 0
        self.profile = tempfile.mkdtemp()
        with socket.socket() as s:
            s.bind(("127.0.0.1", 0))
            port = s.getsockname()[1]
        # Without its background services Chromium would try to reach Google's servers.
        self.proc = subprocess.Popen(
            ["chromium", "--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
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

    def key(self, key, text=None, virtual=0, code=None, modifiers=0):
        params = dict(key=key, code=code or key, windowsVirtualKeyCode=virtual, text=text or "",
                      modifiers=modifiers)
        self.send("Input.dispatchKeyEvent", type="keyDown" if text else "rawKeyDown", **params)
        self.send("Input.dispatchKeyEvent", type="keyUp", **params)

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
