#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a real X display (run under xvfb-run): the welcome box comes first, the
# start window after Enter, its exit button says goodbye and ends the program with status 0.
# The same start window, drawn on a machine without any installed font, looks the same. The
# pictures of the start window and of its result of 7 ÷ 2 stay in OUTPUT-DIR (the browser's
# test holds its own against them).
# Usage: real_window.sh PROGRAM OUTPUT-DIR
set -euo pipefail
program=$1
out=$2
mkdir -p "$out"
export LC_ALL=C.UTF-8 LANG=C.UTF-8
unset QT_QPA_PLATFORM

. "$(dirname "$0")/../common/shell.sh"

# start_window_shot FILE : a picture of the start window once it is fully painted.
start_window_shot() {
    local file=$1 wid X Y WIDTH HEIGHT
    wid=$(visible 'كوزماط الإصدار الأول' | head -n1)
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    # The greeting label (184,480 in the window) is light blue once the window is painted.
    painted() {
        import -window root "$file.root.png" &&
            [ "$(pixel "$file.root.png" $((X + 190)) $((Y + 482)))" = "srgb(192,192,255)" ]
    }
    until_ok "the start window to be painted" painted
    convert "$file.root.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$file"
    rm -f "$file.root.png"
    echo "$X $Y"
}

# A run of the program: welcome, start window, exit.
session() {
    local shot=$1 pid status=0 wid origin
    # The pointer is left where the last run clicked; away from any window nothing is hovered.
    xdotool mousemove --sync 1023 767
    "$program" &
    pid=$!

    until_ok "the welcome box" visible 'ترحيب'
    [ -z "$(visible 'كوزماط الإصدار الأول' || true)" ] || fail "the start window shows before the welcome box is dismissed"
    wid=$(visible 'ترحيب' | head -n1)
    xdotool windowfocus --sync "$wid" key Return

    until_ok "the start window" visible 'كوزماط الإصدار الأول'
    origin=$(start_window_shot "$shot")
    read -r X Y <<<"$origin"

    # 7 ÷ 2: the boxes at 48,304 and 48,384, "÷" at 192,408, "أحسب" at 376,376; the result
    # label at 368,320, 89 x 25.
    result() {
        import -window root "$1.root.png" &&
            convert "$1.root.png" -crop "89x25+$((X + 368))+$((Y + 320))" +repage "$1"
    }
    result "${shot%.png}-result-empty.png"
    for click in "76 316 7" "76 396 2" "232 414" "412 388"; do
        read -r x y text <<<"$click"
        xdotool mousemove --sync $((X + x)) $((Y + y)) click 1
        [ -z "$text" ] || xdotool type "$text"
    done
    changed() {
        result "${shot%.png}-result.png" &&
            [ "$(compare -metric AE "${shot%.png}-result.png" "${shot%.png}-result-empty.png" null: 2>&1)" != 0 ]
    }
    until_ok "the result of 7 ÷ 2" changed
    rm -f "${shot%.png}"-result*.root.png "${shot%.png}-result-empty.png"

    # The exit button "خروج" sits at 16,528 in the window, 89 x 25.
    xdotool mousemove --sync $((X + 60)) $((Y + 540)) click 1
    until_ok "the farewell box" visible 'توديع'
    wid=$(visible 'توديع' | head -n1)
    xdotool windowfocus --sync "$wid" key Return

    wait "$pid" || status=$?
    [ "$status" = 0 ] || fail "the program ended with status $status"
}

session "$out/start-window.png"
echo "PASS: welcome, start window, farewell, status 0 ($out/start-window.png)"

# No fonts at all on the machine: the program brings its own.
cat >"$out/no-fonts.conf" <<'CONF'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig></fontconfig>
CONF
FONTCONFIG_FILE="$out/no-fonts.conf" session "$out/start-window-no-fonts.png"
differing=$(compare -metric AE "$out/start-window.png" "$out/start-window-no-fonts.png" null: 2>&1 || true)
[ "$differing" = 0 ] || fail "without installed fonts the start window looks different ($differing pixels)"
echo "PASS: identical start window without any installed font"
