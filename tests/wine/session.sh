#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# session.sh start|stop DIR : the Wine session the tests under Wine share. start makes a fresh
# Wine prefix in DIR/prefix, starts a private Xvfb display (its number in DIR/display) and keeps
# a wineserver running, so that each test does not pay for Wine's start; stop ends both.
set -euo pipefail
action=$1
dir=$(realpath -m "$2")
export WINEPREFIX=$dir/prefix WINEDEBUG=-all
# No .NET or Gecko: Wine would otherwise offer to download them while making the prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine takes the user's locale from these; the tests set the regional settings themselves.
export LC_ALL=C.UTF-8 LANG=C.UTF-8

stop() {
    wineserver -k 2>/dev/null || true
    if [ -f "$dir/xvfb.pid" ]; then
        kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
        rm -f "$dir/xvfb.pid"
    fi
}

case $action in
start)
    mkdir -p "$dir"
    stop
    rm -rf "$WINEPREFIX"
    exec 3>"$dir/display.tmp"
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        >"$dir/xvfb.log" 2>&1 </dev/null &
    echo $! >"$dir/xvfb.pid"
    exec 3>&-
    for _ in $(seq 100); do [ -s "$dir/display.tmp" ] && break; sleep 0.1; done
    [ -s "$dir/display.tmp" ] || { echo "Xvfb did not start:"; cat "$dir/xvfb.log"; exit 1; }
    display=:$(head -n 1 "$dir/display.tmp")
    mv "$dir/display.tmp" "$dir/display"
    export DISPLAY=$display
    wineboot -i >"$dir/wineboot.log" 2>&1 || { cat "$dir/wineboot.log"; exit 1; }
    # The server stays up between the tests (-p), until stop: one started once wineboot's
    # own server has gone.
    wineserver -w
    setsid wineserver -p >/dev/null 2>&1 </dev/null
    echo "Wine prefix $WINEPREFIX ready on display $display"
    ;;
stop)
    stop
    ;;
*)
    echo "usage: session.sh start|stop DIR" >&2
    exit 2
    ;;
esac
