#!/usr/bin/env bash
# A whole session of the real program on an X display of its own, driven over AT-SPI as a screen
# reader drives it (session.py); screenshots go to OUTPUT-DIR.
# With --nothing-written the program starts with a fresh, empty home and XDG folders, which must
# still be empty when it has ended: it keeps no files.
# Usage: screen_reader.sh PROGRAM OUTPUT-DIR [--nothing-written]
set -euo pipefail
program=$1
out=$2
mode=${3:-}
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rm -rf "$out"
mkdir -p "$out"

# The bus daemons keep their sockets in a runtime folder of their own, not the user's.
mkdir -m 0700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime

client=(/usr/bin/python3 "$here/session.py" "$program" "$out")
folders=(HOME XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_STATE_HOME XDG_RUNTIME_DIR)
if [ "$mode" = --nothing-written ]; then
    settings=()
    for var in "${folders[@]}"; do
        mkdir -m 0700 "$work/$var"
        settings+=("$var=$work/$var")
    done
    client=(env "${settings[@]}" "${client[@]}")
fi

# -noreset: without it the server resets when its first client (the bus launcher) leaves, and a
# program connecting at that moment is refused.
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" \
    dbus-run-session -- "$here/atspi.sh" "${client[@]}"

if [ "$mode" = --nothing-written ]; then
    written=$(cd "$work" && find "${folders[@]}" -mindepth 1)
    if [ -n "$written" ]; then
        echo "FAIL: the session left files behind:" >&2
        echo "$written" >&2
        exit 1
    fi
    echo "PASS: home and XDG folders still empty (${folders[*]})"
fi
