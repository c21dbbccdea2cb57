#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a headless Wayland compositor (wayland_session.py), in a session of its
# own: a private runtime folder and home, a D-Bus session with the accessibility bus up.
# sway refuses to run as root and mutter is run as a user's: run as root, their sessions run as
# the unprivileged system user kozmat-test, made here if missing, which must be able to read and
# run PROGRAM. KWin runs from a copy in the private home.
# Usage: wayland.sh sway|kwin|mutter PROGRAM OUTPUT-DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
compositor=$1 program=$2 out=$3
. "$(dirname "$0")/../common/shell.sh"

export LC_ALL=C.UTF-8 LANG=C.UTF-8
# The session module is imported from the source tree, which is left as it is.
export PYTHONDONTWRITEBYTECODE=1
unset DISPLAY WAYLAND_DISPLAY WAYLAND_SOCKET SWAYSOCK QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS

rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 0700 "$work/runtime" "$work/home"

as=()
if [ "$compositor" != kwin ] && [ "$(id -u)" = 0 ]; then
    user=$(test_user)
    as=(setpriv --reuid="$user" --regid="$user" --clear-groups)
    "${as[@]}" test -r "$program" -a -x "$program" ||
        fail "the user $user cannot run $program: make the build folder readable to all"
    chown -R "$user:" "$work" "$out"
fi

"${as[@]}" env HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
    XDG_CONFIG_HOME="$work/home/.config" XDG_CACHE_HOME="$work/home/.cache" \
    XDG_DATA_HOME="$work/home/.local/share" \
    dbus-run-session -- "$here/atspi.sh" /usr/bin/python3 "$here/wayland_session.py" \
    "$compositor" "$program" "$out"
