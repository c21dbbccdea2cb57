#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# session.sh start|stop DIR : the Wine session the tests under Wine share. start makes a fresh
# Wine prefix in DIR/prefix, starts a private Xvfb display (its number in DIR/display) and keeps
# a wineserver running, so that each test does not pay for Wine's start; stop ends both.
set -euo pipefail
action=$1
dir=$(realpath -m "$2")
. "$(dirname "$0")/wine.sh"
export WINEPREFIX=$dir/prefix

stop() {
    timeout 30 wineserver -k 2>/dev/null || true
    if [ -f "$dir/xvfb.pid" ]; then
        kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
        rm -f "$dir/xvfb.pid"
    fi
}

case $action in
start)
    mkdir -p "$dir"
    stop
    rm -f "$dir/display"
    start_xvfb "$dir" 1280x1024
    echo "$xvfb_pid" >"$dir/xvfb.pid"
    new_prefix "$dir"
    # No window manager runs on this display, so Wine manages its windows itself: a window it
    # leaves to the window manager costs two seconds each time it is shown or hidden, Wine's
    # wait for the window state that only a window manager sets (a test suite that opens a
    # window per case took 440 s instead of 16).
    timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
    # QtTest writes to the debugger unless asked for the standard error, and Unix variables
    # named QT_* reach no Windows program: the prefix's environment asks.
    timeout 60 wine reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f >/dev/null
    # The server stays up between the tests (-p), until stop: one started once wineboot's
    # own server has gone.
    timeout 60 wineserver -w
    setsid wineserver -p >/dev/null 2>&1 </dev/null
    echo "Wine prefix $WINEPREFIX ready on display $DISPLAY"
    ;;
stop)
    stop
    ;;
*)
    echo "usage: session.sh start|stop DIR" >&2
    exit 2
    ;;
esac
