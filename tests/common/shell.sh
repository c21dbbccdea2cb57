# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# What the shell tests share: sourced, not run, by the end-to-end, packaging and Wine scripts.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
pass() { echo "PASS: $*"; }

# until_ok DESCRIPTION COMMAND... : polls until the command succeeds, for UNTIL_SECONDS (10
# unless set: Wine is slow to start a program the first time, and sets it higher).
until_ok() {
    local what=$1 i tenths=$((${UNTIL_SECONDS:-10} * 10))
    shift
    for ((i = 0; i < tenths; i++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "timed out waiting for $what"
}

# Windows on the X display, by their whole title.
visible() { xdotool search --onlyvisible --name "^$1\$"; }
gone() { ! visible "$1"; }
# pixel PICTURE X Y : the colour at that point, as srgb(R,G,B).
pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }

# start_xvfb DIR WIDTHxHEIGHT : a private X display (its log in DIR), exported as DISPLAY; its
# process id in $xvfb_pid. -noreset: without it the server resets whenever its last client
# leaves, and a program connecting at that moment is refused.
start_xvfb() {
    local dir=$1 size=$2
    exec 3>"$dir/display"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset >"$dir/xvfb.log" 2>&1 \
        </dev/null &
    xvfb_pid=$!
    exec 3>&-
    until_ok "Xvfb" test -s "$dir/display"
    DISPLAY=:$(head -n 1 "$dir/display")
    export DISPLAY
}

# show_log TITLE FILE [LINES] : the last lines (60 unless given) of a log, for a failure report.
show_log() {
    [ -s "$2" ] || return 0
    echo "--- $1 (last ${3:-60} lines of $2):" >&2
    tail -n "${3:-60}" "$2" >&2
}

# test_user : makes the unprivileged system user kozmat-test if missing and prints its name; for
# what refuses to run as root (sway) or is a user's (mutter). Run as root.
test_user() {
    id -u kozmat-test >/dev/null 2>&1 || useradd --system --no-create-home \
        --home-dir /nonexistent --shell /usr/sbin/nologin kozmat-test
    echo kozmat-test
}
