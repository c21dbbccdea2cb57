#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under the Orca screen reader, driven by keyboard only: Orca's speech goes
# through speech-dispatcher to a generic output module that writes each utterance to a file.
# Every result and contact text must be spoken the moment it is written, a result box that
# gets the focus is read with its caption, and nothing Latin is spoken but Orca's own start and
# stop lines and the addresses, which are Latin by nature.
# Orca refuses to start while another Orca of the same user runs (a parallel test run), and on
# a busy machine it has once heard nothing of the program's first window: in either case the
# session is tried once more (after the other Orca has gone).
# With --web, the program's page in Chromium instead (ZIP: the web build's zip): Orca must say
# the start window's Tab stops as it says them on the desktop (the walk below).
# Usage: orca.sh [--web] PROGRAM|ZIP OUTPUT-DIR   (in x_session.sh --home)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
web=
[ "$1" = --web ] && web=1 && shift
program=$1 out=$2
rm -rf "$out"
mkdir -p "$out"
export LANG=ar_EG.UTF-8 LC_ALL=ar_EG.UTF-8
email=kozmat@example.org website=kozmat.example.org

otherOrcas() { pgrep -u "$(id -u)" -x orca >/dev/null; }

# One whole session in DIR; fails (exit status 1) on the first thing not spoken.
session() {
    local dir=$1
    spoken=$dir/spoken.txt
    mkdir -p "$dir"
    : >"$spoken"
    pids=()
    from=1
    trap stop EXIT

    # speech-dispatcher's generic module runs a shell command per utterance; this one appends it.
    local conf=$XDG_CONFIG_HOME/speech-dispatcher
    mkdir -p "$conf/modules" "$dir/speechd"
    cat >"$conf/speechd.conf" <<CONF
LogLevel 3
LogDir "$dir/speechd"
AddModule "textlog" "sd_generic" "textlog.conf"
DefaultModule textlog
DefaultLanguage "ar"
AudioOutputMethod "alsa"
AudioALSADevice "null"
CONF
    cat >"$conf/modules/textlog.conf" <<CONF
Debug 0
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >> $spoken"
GenericLanguage "ar" "ar" "utf-8"
GenericLanguage "en" "en" "utf-8"
AddVoice "ar" "MALE1" "ar"
AddVoice "en" "MALE1" "en"
CONF

    # A window mapped while openbox is still starting can be lost: the program comes after.
    openbox --sm-disable --startup "touch $dir/openbox-ready" >"$dir/openbox.log" 2>&1 &
    pids+=($!)
    local i
    for ((i = 0; i < 100; i++)); do
        [ -e "$dir/openbox-ready" ] && break
        sleep 0.1
    done
    [ -e "$dir/openbox-ready" ] || fail "openbox did not start"

    orca -u "$dir/orca-prefs" --debug-file="$dir/orca-debug.log" >"$dir/orca.log" 2>&1 &
    orca=$!
    pids+=("$orca")
    for ((i = 0; i < 150; i++)); do
        grep -q "SPEECH OUTPUT" "$dir/orca-debug.log" 2>/dev/null && break
        kill -0 "$orca" 2>/dev/null || break
        sleep 0.1
    done
    grep -q "SPEECH OUTPUT" "$dir/orca-debug.log" 2>/dev/null || fail "Orca did not start speaking"
    if [ -n "$web" ]; then in_page "$dir"; else on_desktop "$dir"; fi
    all_arabic
}

on_desktop() {
    local dir=$1 i
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$dir/program.log" 2>&1 &
    local kozmat=$!
    pids+=("$kozmat")

    # The welcome message is spoken like every message box, then dismissed with Enter. (Until
    # it is heard, a failure is the start-up's, not the program's: see below.)
    touch "$dir/starting"
    waitfor 0 "أهلا و سهلا" 300
    rm "$dir/starting"
    press Return "صورة الأشكال الهندسية"
    sleep 0.5
    walk

    # Start window, focus on the picture: the credits, then the calculator: 8 and 2 with each
    # operation, chosen with the arrow keys. (Keypad Enter is Orca's own "where am I" key.)
    tabto "المصمم زر ضغط"
    press Return "تصميم وبرمجة: فريق كوزماط"
    tabto "القيمة الأولى"
    key 8
    tabto "القيمة الثانية"
    key 2
    tabto "نوع العملية"
    press Down "الطرح (-)"
    press Up "الجمع (+)"
    tabto "أحسب زر ضغط"
    press Return "النتيجة 10"
    # The same result again is heard again.
    press Return "النتيجة 10"
    local operation since
    for operation in "الطرح (-)=6" "الضرب (*)=16" "القسمة (/)=4"; do
        backto "منتقى زر مذياع"
        press Down "${operation%=*}"
        tabto "أحسب زر ضغط"
        press Return "النتيجة ${operation#*=}"
    done

    # The square window from the menu: its perimeter and area from a side, and its website.
    tabto "المربع زر ضغط"
    press Return "طول ضلع المربع لحساب المحيط"
    key 3
    tabto "المحيط زر ضغط"
    press Return "النتيجة 12"
    tabto "لحساب المساحة"
    key 4
    tabto "المساحة زر ضغط"
    press Return "النتيجة 16"
    # The result box with the focus is read with its caption.
    tabto "مساحة المربع"
    grep -qF "النتيجة" <<<"$heard" || fail "the result box was read without its caption"
    # Flat review's current line (keypad 8, read as KP_Up with Num Lock off): result and caption.
    since=$(lines)
    key KP_Up
    settle "$since"
    tail -n +"$((since + 1))" "$spoken" | grep -F "16" | grep -qF "النتيجة" ||
        fail "flat review read the result without its caption"
    tabto "موقعي زر ضغط"
    press Return "$website"

    # Closed as by the window manager's close box (Alt+F4 would have Orca name the Alt key in
    # its own, untranslated word): back to the start window, its e-mail, then the farewell.
    since=$(lines)
    /usr/bin/python3 -c 'import sys; sys.path.insert(0, sys.argv[1]); from session import X11
X11().close_window(int(sys.argv[2]))' "$here" "$(xdotool getactivewindow)"
    waitfor "$since" "كوزماط الإصدار الأول"
    settle "$since"
    tabto "بريدي زر ضغط"
    press Return "$email"
    tabto "خروج زر ضغط"
    press Return "مع السلامة"
    key Return
    for ((i = 0; i < 100; i++)); do
        kill -0 "$kozmat" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$kozmat" 2>/dev/null && fail "the program did not end after the farewell"
    wait "$kozmat" || fail "the program ended with status $?"
}

all_arabic() {
    # Orca's stop line ends the transcript (a busy Orca may take its time over it).
    kill "$orca"
    wait "$orca" 2>/dev/null || true
    for ((i = 0; i < 150; i++)); do
        grep -qF "Screen reader off." "$spoken" && break
        sleep 0.1
    done
    # In the browser, from the click on the page on: before it Orca reads the browser's own bars.
    local latin
    latin=$(tail -n +"$from" "$spoken" |
        grep -vxF -e "Screen reader on." -e "Screen reader off." -e "Focus mode" -e "Browse mode" |
        sed -e "s/$email//g" -e "s/$website//g" | grep -n '[A-Za-z]' || true)
    [ -z "$latin" ] || fail "Latin words spoken:
$latin"
    cp "$spoken" "$out/transcript.txt"
}

# The page in a shown Chromium (tools/browser/devtools.py): the welcome box, its button focused,
# then a click on the page as a pupil's first (Orca may say the box again), then the walk.
in_page() {
    local dir=$1
    unzip -q "$program" -d "$dir/site"
    PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 "$here/../../tools/browser/devtools.py" \
        "$dir"/site/* "$dir" >"$dir/page.log" 2>&1 &
    pids+=($!)
    touch "$dir/starting"
    waitfor 0 "أهلا و سهلا" 600
    waitfor 0 "موافق زر ضغط"
    rm "$dir/starting"
    from=$(($(lines) + 1))
    xdotool mousemove 1000 740 click 1
    settle "$((from - 1))"
    press Return "صورة الأشكال الهندسية"
    walk
}

# What Orca says at each stop of the start window as Tab goes round it from the picture, on the
# desktop | in the browser where it differs: there a text box is an entry (خانة) rather than
# text (نص), and the group boxes are not said (see src/platform/web/controls.cpp). Not counted:
# Tab's own name (لسان) and Orca's mode.
buttons=(المربع المستطيل المعين "متوازي الأضلاع" الدائرة المثلث المصمم بريدي موقعي خروج)
stops=(
    "الأشكال شريط. صورة الأشكال الهندسية صورة. مكعب أصفر ومخروط أزرق وكرة حمراء أمام منحنى أخضر على شبكة، وعلى اليمين فرجار أسود.|صورة الأشكال الهندسية صورة. مكعب أصفر ومخروط أزرق وكرة حمراء أمام منحنى أخضر على شبكة، وعلى اليمين فرجار أسود."
    "${buttons[@]/%/ زر ضغط.}"
    "آلة حاسبة شريط. القيمة الأولى نص. العدد الأول للعملية الحسابية.|القيمة الأولى خانة. العدد الأول للعملية الحسابية."
    "القيمة الثانية نص. العدد الثاني للعملية الحسابية.|القيمة الثانية خانة. العدد الثاني للعملية الحسابية."
    "نوع العملية شريط. نوع العملية. الجمع (+) غير منتقى زر مذياع|الجمع (+) غير منتقى زر مذياع"
    "أحسب زر ضغط."
)
walk() {
    local stop since said
    for stop in "${stops[@]:1}" "${stops[0]}"; do
        [ -n "$web" ] && stop=${stop#*|} || stop=${stop%|*}
        since=$(lines)
        key Tab
        settle "$since"
        said=$(tail -n +"$((since + 1))" "$spoken" |
            grep -vx -e "لسان *" -e "Focus mode" -e "Browse mode" | paste -sd ' ')
        echo "Tab: $said"
        [ "$said" = "$stop" ] || fail "at a stop of the walk Orca said: $said
instead of: $stop"
    done
}

stop() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    speech-dispatcher --kill >/dev/null 2>&1 || true
}

fail() {
    echo "FAIL: $*" >&2
    echo "--- spoken:" >&2
    cat "$spoken" >&2
    exit 1
}

# Waits until the transcript holds a line containing TEXT, after line SINCE (at most TENTHS
# tenths of a second, 100 unless given).
waitfor() {
    local since=$1 text=$2 tenths=${3:-100} i
    for ((i = 0; i < tenths; i++)); do
        tail -n +"$((since + 1))" "$spoken" | grep -qF -- "$text" && return 0
        sleep 0.1
    done
    fail "not spoken after line $since: $text"
}
lines() { wc -l <"$spoken"; }
# Waits until Orca has said something after line SINCE and then been quiet for half a second
# (at most 5 s): on a busy machine Orca can take its time over a key.
settle() {
    local since=$1 i n last=-1 quiet=0
    for ((i = 0; i < 50 && quiet < 5; i++)); do
        sleep 0.1
        n=$(lines)
        if ((n > since && n == last)); then ((++quiet)); else quiet=0; fi
        last=$n
    done
}
key() { xdotool key --delay 80 "$@"; }
# Presses KEYS (one argument) and waits for TEXT to be spoken.
press() {
    local since
    since=$(lines)
    # shellcheck disable=SC2086 # several keys in one argument
    key $1
    waitfor "$since" "$2"
    settle "$since"
}
# Presses KEY until Orca names the control TEXT; what the last press made it say is in $heard.
keyto() {
    local move=$1 text=$2 i since
    for ((i = 0; i < 30; i++)); do
        since=$(lines)
        key "$move"
        settle "$since"
        heard=$(tail -n +"$((since + 1))" "$spoken")
        grep -qF -- "$text" <<<"$heard" && return 0
    done
    fail "$move never reached $text"
}
tabto() { keyto Tab "$1"; }
backto() { keyto shift+Tab "$1"; }

for ((attempt = 0; attempt < 30; attempt++)); do
    otherOrcas || break
    echo "waiting for another Orca to end"
    sleep 2
done
passed="PASS: results and contact texts spoken, and nothing Latin but Orca's own lines"
[ -z "$web" ] || passed="PASS: the page's start window said as on the desktop, in Arabic"
if (session "$out/first"); then
    echo "$passed"
    exit 0
fi
if grep -qF "Another screen reader" "$out/first/orca.log" 2>/dev/null; then
    echo "another Orca was running: once more"
elif [ -e "$out/first/starting" ]; then
    echo "Orca heard nothing of the welcome: once more"
else
    exit 1
fi
for ((attempt = 0; attempt < 30; attempt++)); do
    otherOrcas || break
    sleep 2
done
(session "$out/second") || exit 1
echo "$passed"
