# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Debian's Firefox ESR, driven over WebDriver BiDi, which Firefox serves itself (no geckodriver;
the interface: browser.py). Headless Firefox has no WebGL here: it runs on the run's private X
display, with Mesa's software WebGL.

Keys, clicks and taps are WebDriver input actions; the page's console and its uncaught errors
and unhandled rejections come as log entries.
"""
import base64, json, os, shutil, socket, subprocess, tempfile  # noqa: E401

import websocket

import actions
from browser import DRAWN, Browser, Failure, Messages, display, until

# A fresh profile's preferences: nothing of Firefox's own reaches for the network (this
# machine's is closed, and a school's may be), no first-run pages, no session restored. The
# remote agent adds its own recommended ones.
PREFERENCES = {
    "app.update.disabledForTesting": True, "browser.shell.checkDefaultBrowser": False,
    "browser.startup.page": 0, "browser.startup.homepage_override.mstone": "ignore",
    "browser.aboutwelcome.enabled": False, "browser.sessionstore.resume_from_crash": False,
    "browser.safebrowsing.malware.enabled": False, "browser.safebrowsing.phishing.enabled": False,
    "browser.safebrowsing.downloads.enabled": False, "browser.region.update.enabled": False,
    "browser.region.network.url": "", "browser.newtabpage.enabled": False,
    "datareporting.policy.dataSubmissionEnabled": False,
    "datareporting.healthreport.uploadEnabled": False, "toolkit.telemetry.enabled": False,
    "network.captive-portal-service.enabled": False, "network.connectivity-service.enabled": False,
    "network.dns.disablePrefetch": True, "network.prefetch-next": False,
    "extensions.update.enabled": False, "extensions.getAddons.cache.enabled": False,
    "services.settings.server": "", "media.gmp-manager.url": "", "captivedetect.canonicalURL": "",
}


class Firefox(actions.Performing, Messages, Browser):
    name = "Firefox"

    def start(self, language, script, touch, env):
        out, size = self.out, self.size
        self.profile, self.ws, self.proc = tempfile.mkdtemp(), None, None
        preferences = {**PREFERENCES, "intl.accept_languages": language}
        if touch:
            preferences.update({"dom.w3c_touch_events.enabled": 1,
                                "dom.maxtouchpoints.testing.value": 5})
        with open(os.path.join(self.profile, "user.js"), "w") as f:
            f.writelines(f"user_pref({json.dumps(k)}, {json.dumps(v)});\n"
                         for k, v in preferences.items())
        with socket.socket() as s:
            s.bind(("127.0.0.1", 0))
            port = s.getsockname()[1]
        self.proc = subprocess.Popen(
            ["firefox-esr", "--no-remote", "--profile", self.profile,
             f"--remote-debugging-port={port}", "about:blank"],
            stdout=subprocess.DEVNULL, stderr=open(os.path.join(out, "firefox.log"), "w"),
            env={**os.environ, "DISPLAY": display(), "LIBGL_ALWAYS_SOFTWARE": "1",
                 "MOZ_CRASHREPORTER_DISABLE": "1", **env})

        def connect():
            try:
                # Firefox refuses a WebSocket client that sends an origin, as Python's does.
                return websocket.create_connection(f"ws://127.0.0.1:{port}/session",
                                                   suppress_origin=True)
            except OSError:
                return None
        self.ws = until("Firefox", connect, 60)
        self.version = self.send("session.new", capabilities={})["capabilities"]["browserVersion"]
        self.send("session.subscribe", events=["log.entryAdded"])
        self.context = self.send("browsingContext.getTree")["contexts"][0]["context"]
        self.send("browsingContext.setViewport", context=self.context,
                  viewport=dict(width=size[0], height=size[1]))
        if script:
            self.add_script(script)

    def event(self, name, p):
        if name == "log.entryAdded":
            self.console.append((p.get("method") if p.get("method") == "assert" else p["level"],
                                 p.get("text") or ""))

    def navigate(self, url):
        # Returns once the new page's own scripts have run, as Chromium's navigation does.
        self.send("browsingContext.navigate", context=self.context, url=url, wait="interactive")

    def add_script(self, source):
        return self.send("script.addPreloadScript",
                         functionDeclaration=f"() => {{\n{source}\n}}")["script"]

    def remove_script(self, added):
        self.send("script.removePreloadScript", script=added)

    def js(self, expression):
        r = self.send("script.evaluate", expression=expression, awaitPromise=True,
                      target={"context": self.context}, resultOwnership="none")
        if r["type"] == "exception":
            raise Failure(f"{expression}: {r['exceptionDetails'].get('text')}")
        return value(r["result"])

    def perform(self, sequence):
        self.send("input.performActions", context=self.context, actions=sequence)

    def png(self, clip=None):
        self.js(DRAWN)
        params = {"clip": dict(type="box", **dict(zip("x y width height".split(), clip)))} \
            if clip else {}
        return base64.b64decode(self.send("browsingContext.captureScreenshot",
                                          context=self.context, **params)["data"])

    def flush(self):
        self.send("session.status")

    def close(self):
        if self.proc:
            try:
                self.send("browser.close")
                self.proc.wait(10)
            except Exception:  # not started, or not answering
                self.proc.kill()
                self.proc.wait()
        shutil.rmtree(self.profile, ignore_errors=True)


def value(remote):
    """A BiDi remote value as Python's: what JSON would carry."""
    kind, v = remote["type"], remote.get("value")
    if kind in ("array", "set"):
        return [value(item) for item in v]
    if kind == "object":
        return {k if isinstance(k, str) else value(k): value(item) for k, item in v}
    if kind == "number" and isinstance(v, str):
        return {"NaN": float("nan"), "-0": -0.0, "Infinity": float("inf"),
                "-Infinity": float("-inf")}[v]
    return v if kind in ("string", "number", "boolean") else None
