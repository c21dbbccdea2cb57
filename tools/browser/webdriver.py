# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""WebKitGTK, Safari's engine, as Debian ships it: its MiniBrowser in automation mode driven by
WebKitWebDriver over W3C WebDriver (plain HTTP; the interface: browser.py), on the run's private
X display.

W3C WebDriver has no script run before a page's own, and WebKitGTK tells a driver nothing of
the console. So the browser reaches the network through a proxy of the driver's own, which
passes everything on as it is but a page (HTML): into that it puts, first thing, a script of
the proxy's that runs what add_script gave, and which tells the proxy each error logged, each
error uncaught and each promise rejected without a handler. Errors the browser itself logs
(a file refused, a policy broken) are not seen.

The page's language is the process's locale: WebKitGTK takes navigator.language from LANG.
"""
import base64, glob, http.client, http.server, json, os, socket, subprocess  # noqa: E401
import threading, urllib.error, urllib.parse, urllib.request  # noqa: E401

import actions
from browser import DRAWN, Browser, Crashed, Failure, crop, display, until

PRELOAD, TOLD = "/.webdriver/preload.js", "/.webdriver/told"
# What tells the driver of the page's errors: each is sent to the proxy and kept in the page,
# where the driver reads what has not arrived yet (flush).
LISTEN = """(() => {
  const page = Math.random().toString(36).slice(2);
  const told = window.__webdriverTold = [];
  const tell = (level, text) => {
    const line = [`${page}:${told.length}`, level, String(text)];
    told.push(line);
    navigator.sendBeacon("%s", JSON.stringify(line));
  };
  const error = console.error, assert = console.assert;
  console.error = function (...args) {
    tell("error", args.join(" "));
    return error.apply(this, args);
  };
  console.assert = function (condition, ...args) {
    if (!condition)
      tell("assert", args.join(" "));
    return assert.call(this, condition, ...args);
  };
  addEventListener("error", (event) => {
    if (event instanceof ErrorEvent)
      tell("error", `${event.message} (${event.filename}:${event.lineno})`);
  }, true);
  addEventListener("unhandledrejection", (event) =>
    tell("error", `unhandled rejection: ${event.reason} ${event.reason?.stack ?? ""}`));
})();
""" % TOLD
# A language as a locale of the C library, where the language alone names none.
LOCALES = {"ar": "ar_EG", "fr": "fr_FR", "en": "en_US", "de": "de_DE"}
HOP = {"connection", "keep-alive", "proxy-connection", "transfer-encoding", "te", "trailer",
       "upgrade", "proxy-authorization", "proxy-authenticate"}


class WebKit(actions.Performing, Browser):
    name = "WebKit"
    touch = False  # WebKitWebDriver sends a touch action as the mouse
    def start(self, language, script, touch, env):
        out, size = self.out, self.size
        self.scripts, self.added, self.told, self.lock = {}, 0, set(), threading.Lock()
        self.session, self.proc, self.proxy = None, None, self.listen()
        tag = language.replace("-", "_")
        locale = (tag if "_" in tag else LOCALES.get(tag, tag)) + ".UTF-8"
        with socket.socket() as s:
            s.bind(("127.0.0.1", 0))
            self.port = s.getsockname()[1]
        self.proc = subprocess.Popen(
            ["WebKitWebDriver", f"--port={self.port}"], stdout=subprocess.DEVNULL,
            stderr=open(os.path.join(out, "webkit.log"), "w"),
            env={**os.environ, "DISPLAY": display(), "LANG": locale, **env})
        browser = glob.glob("/usr/lib/*/webkit2gtk-4.*/MiniBrowser")
        if not browser:
            raise Failure("no MiniBrowser (Debian's libwebkit2gtk-4.1-0)")
        capabilities = {
            # Back once the page has loaded (not its program, which it fetches): a command
            # right after WebKitGTK's "eager" return may never be answered.
            "pageLoadStrategy": "normal",
            "proxy": dict(proxyType="manual",
                          httpProxy=f"127.0.0.1:{self.proxy.server_address[1]}"),
            "webkitgtk:browserOptions": dict(binary=browser[0], args=["--automation"])}

        def session():
            try:
                return self.request("POST", "/session", dict(capabilities=dict(
                    alwaysMatch=capabilities)))
            except ConnectionError:
                return None
        started = until("WebKit", session, 60)
        self.session, self.version = started["sessionId"], started["capabilities"]["browserVersion"]
        # The window is the page and MiniBrowser's bar above it; it takes its size a moment
        # after it is asked, and no narrower than the bar (447 pixels): a phone's page is that
        # wide here, and `size` says so.
        inner, outer = self.js("[innerWidth, innerHeight]"), self.command("GET", "/window/rect")
        self.command("POST", "/window/rect", dict(width=outer["width"] - inner[0] + size[0],
                                                  height=outer["height"] - inner[1] + size[1]))
        inner = until(f"WebKit's page {size[1]} high", lambda: (lambda i: i[1] == size[1] and i)(
            self.js("[innerWidth, innerHeight]")), 10)
        if inner[0] < size[0] or inner[0] > max(size[0], 447):
            raise Failure(f"WebKit's page is {inner[0]} x {inner[1]}, not {size[0]} x {size[1]}")
        self.size = tuple(inner)
        if touch:
            # WebKitGTK has touch events only with a touch screen plugged in: the page is told
            # it has one, as a phone's would be.
            self.add_script("Object.defineProperty(Navigator.prototype, 'maxTouchPoints', "
                            "{get: () => 5});")
        if script:
            self.add_script(script)

    def request(self, method, path, body=None):
        data = json.dumps(body).encode() if body is not None else None
        request = urllib.request.Request(f"http://127.0.0.1:{self.port}{path}", data, method=method,
                                         headers={"Content-Type": "application/json"})
        try:
            with urllib.request.urlopen(request, timeout=120) as r:
                return json.load(r)["value"]
        except urllib.error.HTTPError as e:
            error = json.load(e)["value"]
            what = f"{method} {path}" + (f" ({body['script'][:70]})" if "script" in (body or {})
                                         else "")
            message = f"{what}: {error['error']}: {error.get('message')}"
            with open(os.path.join(self.out, "webkit.log"), errors="replace") as log:
                lines = log.readlines()
            # MiniBrowser's word for it; the driver itself only fails to read the answer.
            if any("WebProcess CRASHED" in line for line in lines):
                raise Crashed(message + "".join(f"\n  | {t.rstrip()}" for t in lines[-8:]
                                                if t.strip())) from None
            raise Failure(message) from None
        except urllib.error.URLError as e:
            raise ConnectionError(e.reason) from None

    def command(self, method, path, body=None):
        return self.request(method, f"/session/{self.session}{path}", body)

    def listen(self):
        """The proxy: a page gets the script first, what the script tells comes to `console`."""
        browser = self

        class Proxy(http.server.BaseHTTPRequestHandler):
            def answer(self, status, body=b"", kind="text/javascript"):
                self.send_response(status)
                for header, value in [("Content-Type", kind), ("Cache-Control", "no-store"),
                                      ("Content-Length", str(len(body)))]:
                    self.send_header(header, value)
                self.end_headers()
                self.wfile.write(body)

            def do(self):
                url = urllib.parse.urlsplit(self.path)
                body = self.rfile.read(int(self.headers.get("Content-Length") or 0))
                if url.path == PRELOAD:
                    return self.answer(200, (LISTEN + "".join(
                        f"(() => {{\n{s}\n}})();\n" for s in browser.scripts.values())).encode())
                if url.path == TOLD:
                    browser.hear(*json.loads(body))
                    return self.answer(204)
                page = url.path.endswith(("/", ".html"))
                headers = {k: v for k, v in self.headers.items() if k.lower() not in HOP and not (
                    page and k.lower() in ("accept-encoding", "if-modified-since",
                                           "if-none-match"))}
                server = http.client.HTTPConnection(url.hostname, url.port or 80, timeout=60)
                try:
                    server.request(self.command, url.path + (f"?{url.query}" if url.query else ""),
                                   body or None, headers)
                    r = server.getresponse()
                except OSError:
                    # As the server's own would be: the browser's request fails.
                    self.close_connection = True
                    return
                kept = [(k, v) for k, v in r.getheaders() if k.lower() not in HOP]
                if page and r.status == 200 and "html" in r.getheader("Content-Type", ""):
                    text = r.read()
                    at = text.find(b">", text.find(b"<head")) + 1 if b"<head" in text else 0
                    text = text[:at] + f'<script src="{PRELOAD}"></script>'.encode() + text[at:]
                    kept = [(k, v) for k, v in kept if k.lower() not in (
                        "content-length", "cache-control", "etag", "last-modified")]
                    kept += [("Content-Length", str(len(text))), ("Cache-Control", "no-store")]
                    chunks = [text]
                else:
                    if r.getheader("Content-Length") is None:
                        chunks = [r.read()]
                        kept.append(("Content-Length", str(len(chunks[0]))))
                    else:
                        chunks = iter(lambda: r.read1(65536), b"")
                self.send_response(r.status, r.reason)
                for header, value in kept:
                    self.send_header(header, value)
                self.end_headers()
                try:
                    for chunk in chunks:
                        self.wfile.write(chunk)
                except OSError:
                    pass
                server.close()

            do_GET = do_POST = do_HEAD = do_PUT = do_DELETE = do_OPTIONS = do

            def log_message(self, *args):
                pass

        proxy = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Proxy)
        proxy.handle_error = lambda *args: None
        threading.Thread(target=proxy.serve_forever, daemon=True).start()
        return proxy

    def hear(self, line, level, text):
        with self.lock:
            if line not in self.told:
                self.told.add(line)
                self.console.append((level, text))

    def flush(self):
        for line in self.js("window.__webdriverTold || []"):
            self.hear(*line)

    def navigate(self, url):
        self.flush()
        self.command("POST", "/url", dict(url=url))

    def add_script(self, source):
        self.added += 1
        self.scripts[self.added] = source
        return self.added

    def remove_script(self, added):
        del self.scripts[added]

    def js(self, expression):
        return self.command("POST", "/execute/sync", dict(script=f"return ({expression});",
                                                          args=[]))

    def perform(self, sequence):
        self.command("POST", "/actions", dict(actions=sequence))

    def png(self, clip=None):
        self.js(DRAWN)
        png = base64.b64decode(self.command("GET", "/screenshot"))
        return crop(png, clip) if clip else png

    def close(self):
        try:
            if self.session:
                self.command("DELETE", "")
        except (Failure, ConnectionError):
            pass
        if self.proc:
            self.proc.terminate()
            self.proc.wait()
        self.proxy.shutdown()
        self.proxy.server_close()
