#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# The package as a desktop meets it: made by cpack from the build, unpacked into a scratch
# root, started from its desktop entry's Exec line on X11 under a window manager: every
# window's WM_CLASS class is the entry's StartupWMClass. (The Wayland desktops run the same
# executable from the build folder: tests/e2e/wayland.sh.)
# Usage: desktop.sh BUILD-DIR SCRATCH-DIR
set -euo pipefail
build=$1
scratch=$2
. "$(dirname "$0")/../common/shell.sh"
export LC_ALL=C.UTF-8 LANG=C.UTF-8

rm -rf "$scratch"
mkdir -p "$scratch/root" "$scratch/shots"
echo "== the package ($(date +%T))"
(cd "$build" && timeout 90 cpack -G DEB -B "$scratch/cpack" >"$scratch/cpack.log") ||
    { tail -n 20 "$scratch/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$scratch"/cpack/*.deb)
dpkg-deb -x "$deb" "$scratch/root"
root=$scratch/root
desktop=$root/usr/share/applications/org.example.Kozmat.desktop
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[ -n "$wm_class" ] || fail "the desktop entry has no StartupWMClass"
program=$root/usr/bin/$exec_line
[ -x "$program" ] || fail "the Exec line $exec_line names no installed executable"

echo "== X11 ($(date +%T))"
# X11: the welcome box, then the start window, each with the entry's window class.
cat >"$scratch/x11.sh" <<'X11'
set -euo pipefail
fail() {
    echo "FAIL: $*" >&2
    tail -n 20 "$scratch/openbox.log" "$scratch/x11-program.log" >&2
    exit 1
}
    # The desktop is up before the program, as at a log-in: a window mapped while openbox is
    # still starting can be lost, so the program starts once openbox runs its start-up command.
    openbox --startup "touch $scratch/openbox-ready" >"$scratch/openbox.log" 2>&1 &
    ob=$!
    for ((i = 0; i < 100; i++)); do
        [ -e "$scratch/openbox-ready" ] && break
        sleep 0.1
    done
    [ -e "$scratch/openbox-ready" ] || fail "openbox did not start"
    PATH=$root/usr/bin:$PATH $exec_line 2>"$scratch/x11-program.log" &
    pid=$!
    for title in 'ترحيب' 'كوزماط الإصدار الأول'; do
        id=
        for ((i = 0; i < 400; i++)); do
            id=$(xdotool search --onlyvisible --pid "$pid" --name "^$title\$" 2>/dev/null | head -n1) && [ -n "$id" ] && break
            sleep 0.05
        done
        [ -n "$id" ] || fail "no window $title on X11"
        xprop -id "$id" WM_CLASS | grep -q ", \"$wm_class\"\$" ||
            fail "window $title: $(xprop -id "$id" WM_CLASS), not class $wm_class"
        [ "$title" = 'ترحيب' ] && xdotool windowfocus --sync "$id" key Return
    done
    kill "$pid" "$ob"
    wait "$pid" 2>/dev/null || true
X11
# -noreset: otherwise the server resets whenever a short-lived client (xdotool) leaves before
# the program has connected, and the program's connection breaks. A session bus, as every
# desktop has: without one the accessibility bridge would have D-Bus start one on the display.
root=$root exec_line=$exec_line wm_class=$wm_class scratch=$scratch \
    xvfb-run -a -e "$scratch/xvfb.log" -s "-screen 0 1024x768x24 -noreset" \
    dbus-run-session -- bash "$scratch/x11.sh" ||
    { tail -n 20 "$scratch/xvfb.log" >&2; fail "the X11 session failed"; }
echo "PASS: started from the desktop entry on X11, WM_CLASS class $wm_class"
