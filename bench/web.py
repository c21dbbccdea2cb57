# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""The benchmark in the browser: the program's page against the web's text floor (one Qt label
with the welcome text, built as the program is and loaded by the same page), in headless
Chromium, both served compressed as a web server should (gzip, level 6).

For each, RUNS times alternating, in a browser that has never seen the page: the time from
navigation to the first window drawn (the welcome box; the floor's label), and the bytes on the
wire until then; then, in the same browser, the page again from the service worker's copy.
Writes its section of bench/results.md.

Usage: web.py BUILD-WEB RESULTS RUNS
"""

import gzip
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tools" / "browser"))
from browser import serve, until  # noqa: E402
from devtools import Chromium  # noqa: E402

WELCOME_RATIO = 1.10
DOWNLOAD_RATIO = 1.30
SECTION = "## In the browser"


def drawn(b, url):
    """Seconds from navigation to the first window drawn (the page's middle no longer the
    screen's background), and the bytes on the wire until then."""
    b.wire = 0
    began = time.monotonic()
    b.navigate(url)
    middle = (b.size[0] // 2, b.size[1] // 2)
    # The page's loading line gone, and Qt's screen drawn: no longer the canvas's own white nor
    # the screen's background.
    until("the first window drawn", lambda: b.js("document.getElementById('message')?.hidden")
          and b.pixel(*middle) not in ("333333", "ffffff"), 60)
    return time.monotonic() - began, b.wire


def run(url, work):
    with Chromium(work) as b:
        first, wire = drawn(b, url)
        until("the page kept", lambda: b.js(
            "navigator.serviceWorker.ready.then(r => !!r.active) && caches.keys().then(k => "
            "k.length)"), 60)
        again, again_wire = drawn(b, url)
        b.clean()
    return first, wire, again, again_wire


def main():
    build, results, runs = Path(sys.argv[1]), Path(sys.argv[2]), int(sys.argv[3])
    work = Path(tempfile.mkdtemp())
    # The floor in the program's page, with the same loader and service worker.
    floor = work / "floor"
    shutil.copytree(build / "src", floor, ignore=shutil.ignore_patterns("*.a", "CMakeFiles",
                                                                       "*_autogen", "*.cmake"))
    for file in ("kozmat.js", "kozmat.wasm"):
        shutil.copy(build / "bench" / "textfloor" / file, floor / file)
    page = Path(__file__).resolve().parent.parent / "src" / "platform" / "web"
    files = [f for f in (build / "src" / "page-files").read_text().split() if f != "sw.js"]
    subprocess.run(["cmake", f"-DDIR={floor}", f"-DIN={page / 'sw.js.in'}",
                    f"-DFILES={';'.join(files)}", "-P", str(page / "kept.cmake")], check=True)
    servers = {name: serve(str(site), compress=True) for name, site in [("program", build / "src"),
                                                                         ("floor", floor)]}
    measured = {name: [] for name in servers}
    for i in range(runs + 1):  # the first of each warms the machine and is not counted
        for name, (_, url) in servers.items():
            result = run(url, work)
            if i:
                measured[name].append(result)
    for server, _ in servers.values():
        server.shutdown()
    shutil.rmtree(work, ignore_errors=True)

    def median(name, index):
        return statistics.median(r[index] for r in measured[name])
    sizes = {f: (build / "src" / f).stat().st_size for f in ("kozmat.wasm", "kozmat.js")}
    packed = {f: len(gzip.compress((build / "src" / f).read_bytes(), 6)) for f in sizes}
    welcome = median("program", 0) / median("floor", 0)
    download = median("program", 1) / median("floor", 1)
    lines = [SECTION, "",
             f"Headless Chromium, {runs} runs of each alternating, medians; served compressed "
             "(gzip level 6); a browser that has never seen the page, then the same browser "
             "again (the service worker's copy).", "",
             "| | program | text floor | ratio | goal |", "|---|---|---|---|---|",
             f"| first window drawn, first visit (ms) | {1000 * median('program', 0):.0f} | "
             f"{1000 * median('floor', 0):.0f} | {welcome:.2f} | ≤ {WELCOME_RATIO:.2f} |",
             f"| bytes on the wire, first visit | {median('program', 1):,.0f} | "
             f"{median('floor', 1):,.0f} | {download:.2f} | ≤ {DOWNLOAD_RATIO:.2f} |",
             f"| first window drawn, next visit (ms) | {1000 * median('program', 2):.0f} | "
             f"{1000 * median('floor', 2):.0f} | "
             f"{median('program', 2) / median('floor', 2):.2f} | |",
             f"| bytes on the wire, next visit | {median('program', 3):,.0f} | "
             f"{median('floor', 3):,.0f} | | |", "",
             f"The program's files: kozmat.wasm {sizes['kozmat.wasm']:,} bytes "
             f"({packed['kozmat.wasm']:,} compressed), kozmat.js {sizes['kozmat.js']:,} "
             f"({packed['kozmat.js']:,}).", ""]
    met = welcome <= WELCOME_RATIO and download <= DOWNLOAD_RATIO
    lines.append("Both goals met." if met else "Not every goal met: see bench/causes.md.")
    section = "\n".join(lines) + "\n"
    print(section)
    text = results.read_text() if results.exists() else ""
    kept = text.split(SECTION)[0].rstrip("\n")
    results.write_text((kept + "\n\n" if kept else "") + section)
    print(f"bench: written to {results}", file=sys.stderr)


if __name__ == "__main__":
    main()
