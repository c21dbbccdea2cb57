# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the browser's tests (tests/web) and benchmark (bench/web.py) share, whatever the engine:
a local web server, waiting for a condition, the private X display of a run, and the interface
every engine's driver offers. One module per protocol: devtools.py (Chromium, the DevTools
protocol), bidi.py (Firefox, WebDriver BiDi), webdriver.py (WebKitGTK, W3C WebDriver).
"""
import atexit, functools, gzip, http.server, json, os, subprocess, sys  # noqa: E401
import threading, time, zlib  # noqa: E401


class Failure(Exception):
    pass


class Crashed(Failure):
    """The engine's process for the page died: the browser's fault, not a check the page
    failed."""


class Messages:
    """Commands as JSON messages over the driver's WebSocket (self.ws), as the DevTools protocol
    and WebDriver BiDi both have them: each waits for its answer, and whatever comes before that
    is an event, given to event(NAME, PARAMS)."""
    next_id = 0

    def send(self, method, **params):
        self.next_id += 1
        self.ws.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            m = json.loads(self.ws.recv())
            if m.get("id") != self.next_id:
                self.event(m.get("method"), m.get("params", {}))
            elif "error" in m:
                raise Failure(f"{method}: {m['error']}" + (f": {m['message']}" if "message" in m
                                                             else ""))
            else:
                return m.get("result", {})


def until(what, condition, timeout=30):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise Failure(f"timed out waiting for {what}")


def serve(folder, compress=False, headers=None, encodings=("br", "gzip"), port=0):
    """The folder on http://127.0.0.1:PORT/ (any free port unless given) as a static web server
    serves it: a file's copy compressed beside it (FILE.br, FILE.gz) in its stead, by the
    browser's Accept-Encoding, as the README has Apache and nginx send them, for the ENCODINGS
    named; with compress, the page and the program otherwise gzipped (level 6) as a server that
    compresses on the fly does; HEADERS (a dict) sent with every answer. Returns the server and
    its address. Setting the server's folder serves another one at the same address (a new
    version); setting its rate (bytes a second) makes it a slow network."""
    packed = {}

    class Handler(http.server.SimpleHTTPRequestHandler):
        def __init__(self, request, address, server):
            # The folder when the request came (HTTP/1.0: a connection per request).
            super().__init__(request, address, server, directory=server.folder)

        def send_head(self):
            path = self.translate_path(self.path.split("?")[0])
            path = os.path.join(path, "index.html") if os.path.isdir(path) else path
            accepted = {e.split(";")[0].strip() for e in
                        self.headers.get("Accept-Encoding", "").split(",")}
            for encoding, suffix in (("br", ".br"), ("gzip", ".gz")):
                if encoding in encodings and encoding in accepted and os.path.isfile(path + suffix):
                    return self.send_copy(path, path + suffix, encoding)
            if not compress or not path.endswith((".wasm", ".js", ".html")) or \
                    "gzip" not in accepted:
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
            self.copyfile(_Bytes(packed[path]), self.wfile)

        def send_copy(self, path, copy, encoding):
            """COPY, the file at PATH encoded, with its validator: a browser that has it is told
            it has not changed."""
            modified = self.date_time_string(int(os.stat(copy).st_mtime))
            fresh = self.headers.get("If-Modified-Since") == modified
            self.send_response(304 if fresh else 200)
            for header, value in [("Content-Type", self.guess_type(path)),
                                  ("Content-Encoding", encoding), ("Vary", "Accept-Encoding"),
                                  ("Last-Modified", modified)] + \
                    ([] if fresh else [("Content-Length", str(os.stat(copy).st_size))]):
                self.send_header(header, value)
            self.end_headers()
            return None if fresh else open(copy, "rb")

        def end_headers(self):
            for header, value in (headers or {}).items():
                self.send_header(header, value)
            super().end_headers()

        def copyfile(self, source, outputfile):
            while chunk := source.read(65536):
                outputfile.write(chunk)
                if self.server.rate:
                    time.sleep(len(chunk) / self.server.rate)

        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler)
    server.folder, server.rate = folder, None
    server.handle_error = lambda *args: None  # a browser closed in the middle of a download
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}/"


class _Bytes:
    def __init__(self, data):
        self.data, self.at = data, 0

    def read(self, size):
        self.at += size
        return self.data[self.at - size:self.at]


@functools.cache
def display():
    """The private X display of this run, for the engines that need one (Firefox: headless, it
    has no WebGL here; WebKitGTK); started at the first call and shared by every browser after."""
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1920x1200x24",
                             "-nolisten", "tcp", "-noreset"], pass_fds=[write],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as f:
        number = f.readline().strip()
    if not number:
        raise Failure("Xvfb did not start")
    atexit.register(lambda: (xvfb.terminate(), xvfb.wait()))
    return f":{number}"


# Firefox and WebKitGTK picture what they last presented, which may be a frame behind the page
# (a result drawn, its picture still the number before): a picture taken once this promise
# resolves, two frames on, shows what the page has drawn. Chromium draws a frame for a picture.
DRAWN = "new Promise(drawn => requestAnimationFrame(() => requestAnimationFrame(drawn)))"


def png_pixel(png):
    """The colour of the top left pixel of an 8-bit RGB or RGBA PNG, as rrggbb."""
    if png[25] not in (2, 6) or png[24] != 8:
        raise Failure(f"a PNG of colour type {png[25]}, depth {png[24]}")
    at, idat = 8, b""
    while at < len(png):  # the chunks: length, type, data, check
        length = int.from_bytes(png[at:at + 4], "big")
        if png[at + 4:at + 8] == b"IDAT":
            idat += png[at + 8:at + 8 + length]
        at += 12 + length
    # The first row's filters add nothing to its first pixel: there is nothing left or above.
    return zlib.decompressobj().decompress(idat, 5)[1:4].hex()


def crop(png, clip):
    """A rectangle (x, y, width, height) of a PNG, for engines that picture the whole page only."""
    x, y, width, height = clip
    return subprocess.run(["convert", "png:-", "-crop", f"{width}x{height}+{x}+{y}", "+repage",
                           "PNG32:-"], input=png, capture_output=True, check=True).stdout


class Browser:
    """What every engine's driver offers the tests. A browser that has never seen a page, whose
    page is SIZE (width, height) in CSS pixels, one a screen pixel; its language LANGUAGE as
    pages read it (navigator.language); SCRIPT run in every page before the page's own; with
    TOUCH a touch screen; ENV added to its processes' environment. Places are the page's.

    navigate(url); add_script(source) → what remove_script takes; js(expression) → its value,
    a promise awaited; key(key, text, virtual, code, modifiers): a key pressed and released
    (modifiers: 1 Alt, 2 Ctrl, 4 Meta, 8 Shift); click(x, y); tap(x, y) where `touch` says the
    engine can; type(text) as a keyboard's input method does; wheel(x, y, dx, dy); shot(name,
    clip) → a PNG's path; pixel(x, y) → rrggbb; installable() → whether the page may be
    installed as an app (None: the engine cannot tell); clean(): no error in the page so far.
    The console's lines are (level, text) in `console`.
    """

    name = ""
    touch = True  # whether taps reach the page as touches

    def __init__(self, out, language="ar", size=(1280, 900), script=None, touch=False, env=None):
        self.out, self.size, self.console = out, size, []
        try:
            self.start(language, script, touch, env or {})
        except BaseException:
            self.close()  # what had started
            raise

    def start(self, language, script, touch, env):
        raise NotImplementedError

    def png(self, clip=None):
        """The page, or its rectangle (x, y, width, height), as a PNG."""
        raise NotImplementedError

    def shot(self, name, clip=None):
        """A PNG of the page, or of its rectangle (x, y, width, height), in the output folder."""
        path = os.path.join(self.out, name)
        with open(path, "wb") as f:
            f.write(self.png(clip))
        return path

    def pixel(self, x, y):
        return png_pixel(self.png((x, y, 1, 1)))

    def installable(self):
        return None

    def flush(self):
        """Takes in what the browser has told so far."""

    def clean(self):
        """No error in the console so far: none logged, nothing uncaught, no promise rejected
        without a handler."""
        self.flush()
        errors = [t for level, t in self.console if level in ("error", "assert")]
        if errors:
            raise Failure(f"errors in the console: {errors}")

    def close(self):
        """Ends the browser, also one not wholly started."""
        raise NotImplementedError

    def __enter__(self):
        return self

    def __exit__(self, kind, value, traceback):
        if kind is not None:
            try:
                print(f"--- the page when it failed: {self.shot('failure.png')}")
            except Exception:
                pass
            try:
                self.flush()
            except Exception:
                pass
            print("--- its console, last lines:", *self.console[-20:], sep="\n  ")
        self.close()


if __name__ == "__main__":  # browser.py FOLDER PORT: serves FOLDER until interrupted
    try:
        serve(sys.argv[1], port=int(sys.argv[2]))
        threading.Event().wait()
    except KeyboardInterrupt:
        pass
