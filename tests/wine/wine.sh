# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# What the tests under Wine share: sourced, not run, by the session of the test suites and their
# runner, installer.sh and msi.sh. The shell helpers of tests/common, Wine's settings, a fresh
# prefix on a private Xvfb display, and a Windows program run to its end.

. "$(dirname "${BASH_SOURCE[0]}")/../common/shell.sh"
# No .NET or Gecko: Wine would otherwise offer to download them while making the prefix.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine takes the user's locale from these; the tests set the regional settings themselves.
export LC_ALL=C.UTF-8 LANG=C.UTF-8
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
# Wine is slow to start a program the first time.
UNTIL_SECONDS=30

# new_prefix DIR : a fresh Wine prefix in DIR/prefix, exported as WINEPREFIX, on $DISPLAY.
new_prefix() {
    export WINEPREFIX=$1/prefix
    rm -rf "$WINEPREFIX"
    timeout 240 wineboot -i >"$1/wineboot.log" 2>&1 ||
        fail "no Wine prefix: $(tail -n 5 "$1/wineboot.log")"
}

# wine_start DIR : an empty DIR, a private display (1280x1024) and a fresh prefix, both ended
# with the script.
wine_start() {
    rm -rf "$1"
    mkdir -p "$1"
    trap wine_end EXIT
    start_xvfb "$1" 1280x1024
    new_prefix "$1"
}
wine_end() {
    timeout 30 wineserver -k 2>/dev/null || true
    [ -z "${xvfb_pid:-}" ] || kill "$xvfb_pid" 2>/dev/null || true
}

# run PROGRAM ARGS... : a Windows program, to its end and that of all it started (an uninstaller
# runs on from a copy of itself); its registry is in the prefix's system.reg then.
run() {
    timeout 300 wine "$@" || fail "'$*' ended with status $?"
    timeout 60 wineserver -w
}
