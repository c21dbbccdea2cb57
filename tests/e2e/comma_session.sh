#!/usr/bin/env bash
# The real program under French regional settings on an X display and buses of its own, driven
# over AT-SPI (comma_session.py); a screenshot goes to OUTPUT-DIR.
# Usage: comma_session.sh PROGRAM OUTPUT-DIR
set -euo pipefail
program=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rm -rf "$out"
mkdir -p "$out"
mkdir -m 0700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime

xvfb-run -a -s "-screen 0 1024x768x24 -noreset" \
    dbus-run-session -- "$here/atspi.sh" /usr/bin/python3 "$here/comma_session.py" "$program" "$out"
