# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""The benchmark in the browser: the program's page against the web's text floor (one Qt label
with the welcome text, built as the program is and loaded by the same page), in headless
Chromium, served as the README has a web server serve them: the precompressed copies (brotli),
and as a server that can only compress on the fly does (gzip, level 6).

For each, RUNS times alternating, in a browser that has never seen the page: the time from
navigation to the first window drawn (the welcome box; the floor's label), and the bytes on the
wire until then, on an unthrottled line, on a school's shared line and on a slow mobile line
(Chromium's network emulation); then, in the same browser, the page again from the service
worker's copy. Writes its section of bench/results.md.

Usage: web.py BUILD-WEB RESULTS RUNS
"""

import os
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
PROGRAM_RATIO = 1.15  # the program's .wasm against the floor's, in bytes
WIRE_BROTLI = 3_000_000
WIRE_GZIP = 4_000_000
MOBILE_SECONDS = 20
SECTION = "## In the browser"
# Name, description, (bits per second down, up, latency in ms); None: unthrottled.
LINES = [("fast", "unthrottled", None),
         ("school", "a school's shared line, 10 Mbit/s, 40 ms", (10e6, 10e6, 40)),
         ("mobile", "a slow mobile line, 1.6 Mbit/s (0.75 up), 150 ms", (1.6e6, 0.75e6, 150))]


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
          and b.pixel(*middle) not in ("333333", "ffffff"), 120)
    return time.monotonic() - began, b.wire


def run(url, work, line, again):
    """The first visit on LINE; with AGAIN, then the next visit, from the kept copy."""
    with Chromium(work) as b:
        if line:
            down, up, latency = line
            b.send("Network.emulateNetworkConditions", offline=False, latency=latency,
                   downloadThroughput=down / 8, uploadThroughput=up / 8)
        first, wire = drawn(b, url)
        result = [first, wire]
        if again:
            until("the page kept", lambda: b.js(
                "navigator.serviceWorker.ready.then(r => !!r.active) && caches.keys().then(k => "
                "k.length)"), 60)
            result += drawn(b, url)
        b.clean()
    return result


def floor_page(build, work):
    """The floor in the program's page, with the same loader, service worker and compressed
    copies."""
    floor = work / "floor"
    shutil.copytree(build / "src", floor, ignore=shutil.ignore_patterns(
        "*.a", "CMakeFiles", "*_autogen", "*.cmake", "*.br", "*.gz"))
    for file in ("kozmat.js", "kozmat.wasm"):
        shutil.copy(build / "bench" / "textfloor" / file, floor / file)
    page = Path(__file__).resolve().parent.parent / "src" / "platform" / "web"
    files = [f for f in (build / "src" / "page-files").read_text().split()
             if f != "sw.js" and not f.endswith((".br", ".gz"))]
    subprocess.run(["cmake", f"-DDIR={floor}", f"-DIN={page / 'sw.js.in'}",
                    f"-DFILES={';'.join(files)}", f"-DBROTLI={shutil.which('brotli')}", "-P",
                    str(page / "kept.cmake")], check=True)
    return floor


def main():
    build, results, runs = Path(sys.argv[1]), Path(sys.argv[2]), int(sys.argv[3])
    work = Path(tempfile.mkdtemp())
    sites = {"program": build / "src", "floor": floor_page(build, work)}
    servers = {(name, served): serve(str(site), **options) for name, site in sites.items()
               for served, options in [("brotli", {}),
                                       ("gzip", dict(compress=True, encodings=()))]}
    measured, load = {}, os.getloadavg()[0]
    for i in range(runs + 1):  # the first of each warms the machine and is not counted
        for line, _, conditions in LINES:
            for name in sites:
                result = run(servers[name, "brotli"][1], work, conditions, line == "fast")
                if i:
                    measured.setdefault((name, line), []).append(result)
        for name in sites:
            result = run(servers[name, "gzip"][1], work, None, False)
            if i:
                measured.setdefault((name, "gzip"), []).append(result)
    for server, _ in servers.values():
        server.shutdown()
    shutil.rmtree(work, ignore_errors=True)

    def median(name, line, index):
        return statistics.median(r[index] for r in measured[name, line])

    def row(label, line, index, scale, goal):
        program, floor = median("program", line, index), median("floor", line, index)
        return (f"| {label} | {scale * program:,.0f} | {scale * floor:,.0f} | "
                f"{program / floor:.2f} | {goal} |")

    def size(site, file):
        return (site / file).stat().st_size

    program, floor = sites["program"], build / "bench" / "textfloor"
    wasm_ratio = size(program, "kozmat.wasm") / size(floor, "kozmat.wasm")
    ratio = {line: median("program", line, 0) / median("floor", line, 0) for line, *_ in LINES}
    brotli, gzip = median("program", "fast", 1), median("program", "gzip", 1)
    mobile = median("program", "mobile", 0)
    commit = subprocess.run(["git", "-C", str(build.parent), "rev-parse", "--short", "HEAD"],
                            capture_output=True, text=True).stdout.strip() or "an unknown commit"
    lines = [SECTION, "",
             f"Run on {time.strftime('%Y-%m-%d %H:%M')} from `{commit}`; load average (1 min) "
             f"{load:.2f} at the start, {os.getloadavg()[0]:.2f} at the end. "
             f"Headless Chromium, {runs} runs of each alternating, medians; a browser that has "
             "never seen the page, then the same browser again (the service worker's copy). "
             "Served as the README says: the precompressed copies the browser takes (brotli); "
             "and by a server that only compresses on the fly (gzip, level 6). Lines emulated "
             "by Chromium (`Network.emulateNetworkConditions`): "
             + "; ".join(f"{name}: {text}" for name, text, c in LINES if c) + ".", "",
             "| | program | text floor | ratio | goal |", "|---|---|---|---|---|",
             row("first window drawn, first visit, unthrottled (ms)", "fast", 0, 1000,
                 f"≤ {WELCOME_RATIO:.2f} ×"),
             row("first window drawn, first visit, school line (ms)", "school", 0, 1000,
                 f"≤ {WELCOME_RATIO:.2f} ×"),
             row("first window drawn, first visit, mobile line (ms)", "mobile", 0, 1000,
                 f"program ≤ {1000 * MOBILE_SECONDS:,} ms"),
             row("bytes on the wire, first visit, brotli", "fast", 1, 1,
                 f"≤ {DOWNLOAD_RATIO:.2f} ×; program ≤ {WIRE_BROTLI:,}"),
             row("bytes on the wire, first visit, gzip on the fly", "gzip", 1, 1,
                 f"program ≤ {WIRE_GZIP:,}"),
             row("first window drawn, next visit (ms)", "fast", 2, 1000, ""),
             f"| bytes on the wire, next visit | {median('program', 'fast', 3):,.0f} | "
             f"{median('floor', 'fast', 3):,.0f} | | |",
             f"| kozmat.wasm (bytes) | {size(program, 'kozmat.wasm'):,} | "
             f"{size(floor, 'kozmat.wasm'):,} | {wasm_ratio:.2f} | ≤ {PROGRAM_RATIO:.2f} × |", "",
             "The program's files, raw, gzip -9 (.gz) and brotli -11 (.br) as shipped: "
             + ", ".join(f"{f} {size(program, f):,}, {size(program, f + '.gz'):,}, "
                         f"{size(program, f + '.br'):,}" for f in ("kozmat.wasm", "kozmat.js")
                         ) + ".", ""]
    goals = [ratio["fast"] <= WELCOME_RATIO, ratio["school"] <= WELCOME_RATIO,
             mobile <= MOBILE_SECONDS, brotli <= WIRE_BROTLI, gzip <= WIRE_GZIP,
             median("program", "fast", 1) / median("floor", "fast", 1) <= DOWNLOAD_RATIO,
             wasm_ratio <= PROGRAM_RATIO]
    lines.append("Every goal met." if all(goals) else
                 f"{sum(goals)} of {len(goals)} goals met: see bench/causes.md.")
    section = "\n".join(lines) + "\n"
    print(section)
    text = results.read_text() if results.exists() else ""
    kept = text.split(SECTION)[0].rstrip("\n")
    results.write_text((kept + "\n\n" if kept else "") + section)
    print(f"bench: written to {results}", file=sys.stderr)


if __name__ == "__main__":
    main()
