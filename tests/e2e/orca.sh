#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under the Orca screen reader, driven by keyboard only: Orca's speech goes
# through speech-dispatcher to a generic output module that writes each utterance to a file,
# and the file must hold the results and a contact text the moment they are written.
# Usage: orca.sh PROGRAM OUTPUT-DIR   (in x_session.sh --home)
set -euo pipefail

program=$1 out=$2
rm -rf "$out"
mkdir -p "$out"
export LANG=ar_EG.UTF-8 LC_ALL=ar_EG.UTF-8
spoken=$out/spoken.txt
: >"$spoken"

pids=()
stop() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    speech-dispatcher --kill >/dev/null 2>&1 || true
}
trap stop EXIT

# speech-dispatcher's generic module runs a shell command per utterance; this one appends it.
conf=$XDG_CONFIG_HOME/speech-dispatcher
mkdir -p "$conf/modules" "$out/speechd"
cat >"$conf/speechd.conf" <<CONF
LogLevel 3
LogDir "$out/speechd"
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

fail() {
    echo "FAIL: $*" >&2
    echo "--- spoken:" >&2
    cat "$spoken" >&2
    exit 1
}

# Waits until the transcript holds a line containing TEXT, after line SINCE.
waitfor() {
    local since=$1 text=$2 i
    for ((i = 0; i < 100; i++)); do
        tail -n +"$((since + 1))" "$spoken" | grep -qF -- "$text" && return 0
        sleep 0.1
    done
    fail "not spoken after line $since: $text"
}
lines() { wc -l <"$spoken"; }
key() { xdotool key --delay 80 "$@"; }
# Presses Tab until Orca names the control TEXT.
tabto() {
    local text=$1 i since
    for ((i = 0; i < 30; i++)); do
        since=$(lines)
        key Tab
        sleep 0.3
        tail -n +"$((since + 1))" "$spoken" | grep -qF -- "$text" && return 0
    done
    fail "Tab never reached $text"
}

# A window mapped while openbox is still starting can be lost: the program comes after.
openbox --sm-disable --startup "touch $out/openbox-ready" >"$out/openbox.log" 2>&1 &
pids+=($!)
for ((i = 0; i < 100; i++)); do
    [ -e "$out/openbox-ready" ] && break
    sleep 0.1
done
[ -e "$out/openbox-ready" ] || fail "openbox did not start"

orca -u "$out/orca-prefs" --debug-file="$out/orca-debug.log" >"$out/orca.log" 2>&1 &
pids+=($!)
for ((i = 0; i < 150; i++)); do
    grep -q "SPEECH OUTPUT" "$out/orca-debug.log" 2>/dev/null && break
    sleep 0.1
done
grep -q "SPEECH OUTPUT" "$out/orca-debug.log" || fail "Orca did not start speaking"

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$out/program.log" 2>&1 &
pids+=($!)

# The welcome message is spoken like every message box, then dismissed with Enter.
waitfor 0 "أهلا و سهلا"
n=$(lines)
key Return
waitfor "$n" "صورة الأشكال الهندسية"
sleep 0.5

# Start window, focus on the picture: Tab to the credit button, Enter.
tabto "المصمم زر ضغط"
n=$(lines)
key Return
waitfor "$n" "تصميم وبرمجة: فريق كوزماط"

# 7 + 2 with the first operation, chosen with the arrow keys; "أحسب" pressed twice: the same
# result must be heard again. (Keypad Enter is Orca's own "where am I" key; it never arrives.)
tabto "القيمة الأولى"
key 7
tabto "القيمة الثانية"
key 2
tabto "نوع العملية"
n=$(lines)
key Down Up
waitfor "$n" "منتقى"
tabto "أحسب زر ضغط"
n=$(lines)
key Return
waitfor "$n" "النتيجة 9"
n=$(lines)
key Return
waitfor "$n" "النتيجة 9"

# The square window from the menu: the perimeter of a side of 3, and its e-mail button.
tabto "المربع زر ضغط"
n=$(lines)
key Return
waitfor "$n" "المربع"
sleep 0.5
key 3
tabto "المحيط زر ضغط"
n=$(lines)
key Return
waitfor "$n" "النتيجة 12"
tabto "بريدي زر ضغط"
n=$(lines)
key Return
waitfor "$n" "kozmat@example.org"
cp "$spoken" "$out/transcript.txt"
echo "PASS: results and contact texts spoken"
