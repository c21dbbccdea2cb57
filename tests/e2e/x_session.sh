#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs COMMAND on an X display of its own, in a D-Bus session of its own with the accessibility
# bus up (atspi.sh); the buses keep their sockets in a runtime folder of their own.
#   --home             COMMAND gets a fresh, empty home and XDG folders
#   --nothing-written  the same, and those folders must still be empty when COMMAND has ended
# Usage: x_session.sh [--home | --nothing-written] COMMAND...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
mode=
case ${1:-} in --home | --nothing-written) mode=$1 && shift ;; esac

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 0700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime

folders=(HOME XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_STATE_HOME XDG_RUNTIME_DIR)
command=("$@")
if [ -n "$mode" ]; then
    settings=()
    for var in "${folders[@]}"; do
        mkdir -m 0700 "$work/$var"
        settings+=("$var=$work/$var")
    done
    command=(env "${settings[@]}" "${command[@]}")
fi

# -noreset: without it the server resets whenever its last client leaves, and a program
# connecting at that moment is refused.
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" \
    dbus-run-session -- "$here/atspi.sh" "${command[@]}"

if [ "$mode" = --nothing-written ]; then
    written=$(cd "$work" && find "${folders[@]}" -mindepth 1)
    if [ -n "$written" ]; then
        echo "FAIL: the session left files behind:" >&2
        echo "$written" >&2
        exit 1
    fi
    echo "PASS: home and XDG folders still empty (${folders[*]})"
fi
