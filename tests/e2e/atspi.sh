#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs COMMAND with the accessibility bus and its registry up, as a desktop session has them.
# Run it inside a D-Bus session of its own (dbus-run-session) on an X display (xvfb-run).
# Usage: atspi.sh COMMAND...
set -euo pipefail

export LC_ALL=C.UTF-8 LANG=C.UTF-8
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_QPA_PLATFORM

launcher=/usr/libexec/at-spi-bus-launcher
registry=/usr/libexec/at-spi2-registryd
pids=()
stop() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}
trap stop EXIT

has_owner() {
    dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q true
}

"$launcher" --launch-immediately &
pids+=($!)
# The registry asks the session bus for the accessibility bus; it must be there first, or the
# session bus would start a second launcher of its own.
for ((i = 0; i < 200; i++)); do
    has_owner org.a11y.Bus && break
    sleep 0.05
done
has_owner org.a11y.Bus || { echo "FAIL: the accessibility bus did not start" >&2; exit 1; }
"$registry" &
pids+=($!)

"$@"
