#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# The school's package and the upgrades of both installers, under Wine on a private Xvfb
# display, each case in a fresh prefix: the package installed, run, installed again and removed
# silently; an older version then this one (the package, and setup.exe in a folder of its own),
# and the older package refused over this one; the package over setup.exe takes its place.
# Usage: msi.sh DIST OLDER OUTPUT-DIR  (DIST and OLDER: the setup.exe and .msi of this version
# and of an older one, as scripts/package-windows writes them)
set -euo pipefail
dist=$(realpath "$1")
older=$(realpath "$2")
out=$(realpath -m "$3")
. "$(dirname "$0")/wine.sh"
msi=$(echo "$dist"/kozmat-*.msi)
setup=$(echo "$dist"/kozmat-*-setup.exe)
old_msi=$(echo "$older"/kozmat-*.msi)
old_setup=$(echo "$older"/kozmat-*-setup.exe)
new=${msi##*/kozmat-}
new=${new%.msi}
old=${old_msi##*/kozmat-}
old=${old%.msi}
for f in "$msi" "$setup" "$old_msi" "$old_setup"; do [ -f "$f" ] || fail "no $f"; done
if [ "$old" = "$new" ] || [ "$(printf '%s\n' "$new" "$old" | sort -V | head -n 1)" != "$old" ]; then
    fail "$old_msi is not older than $msi"
fi

wine_start "$out"
# The untouched prefix, its registry written: each case starts from a copy.
timeout 60 wineserver -w
template=$WINEPREFIX
# fresh NAME : a copy of the untouched prefix, quicker than making one; the last case's goes.
fresh() {
    timeout 60 wineserver -k 2>/dev/null || true
    [ "$WINEPREFIX" = "$template" ] || rm -rf "$WINEPREFIX"
    export WINEPREFIX=$out/$1
    rm -rf "$WINEPREFIX"
    cp -a "$template" "$WINEPREFIX"
}
# run COMMAND... : a Windows program, to its end and that of all it started.
run() {
    timeout 300 wine "$@" || fail "'$*' ended with status $?"
    timeout 60 wineserver -w
}

# state : what is installed, in one line: the Apps & features entries named كوزماط (their
# version; "msi" or "setup": whose), the program's files and folders with the program's version,
# the shortcuts (setup.exe's in all users' menu; Wine's msi puts the package's in the user's).
# The registry is read from system.reg: `wine reg query` shows ? for Arabic letters.
state() {
    local entries files shortcuts
    entries=$(awk '/^\[/ { key = $0 ~ /\\\\Uninstall\\\\[^\\]*\]/ ? $0 : "" }
        key != "" && $0 == "\"DisplayName\"=\"\\x643\\x648\\x632\\x645\\x627\\x637\"" { name = key }
        key != "" && key == name && /^"DisplayVersion"=/ {
            split($0, v, "\""); print v[4], (key ~ /\{/ ? "msi" : "setup") }' \
        "$WINEPREFIX/system.reg" | paste -sd ' ')
    files=$(cd "$WINEPREFIX/drive_c" && find . \( -type d -name Kozmat -o -name kozmat.exe \
        -o -name uninstall.exe \) -printf '%P\n' | sort | while IFS= read -r f; do
        case $f in */kozmat.exe) f+="=$(strings -el "$f" | grep -A1 -x ProductVersion | tail -n1)" ;; esac
        echo "$f"
    done | paste -sd ' ')
    shortcuts=$(find "$WINEPREFIX/drive_c" -name 'كوزماط.lnk' | wc -l)
    echo "entries: $entries | files: $files | shortcuts: $shortcuts"
}
# expect STATE WHAT : passes when the state is this one.
expect() {
    local found
    found=$(state)
    [ "$found" = "$1" ] || fail "$2: expected '$1', found '$found'"
    pass "$2"
}
# greets FOLDER : the program in this Windows folder starts and shows its welcome box.
# wineserver -k ends it: no job of this shell, whose end would be reported.
greets() {
    (timeout 300 wine "$1\\kozmat.exe" >/dev/null 2>&1 &)
    until_ok "the welcome box of $1\\kozmat.exe" visible 'ترحيب'
    timeout 60 wineserver -k
}
installed="entries: $new msi | files: Program Files/Kozmat Program Files/Kozmat/kozmat.exe=$new"
installed+=" | shortcuts: 1"
nothing="entries:  | files:  | shortcuts: 0"

fresh msi
run msiexec /i "$msi" /qn
expect "$installed" "msiexec /i /qn: program, shortcut, entry"
greets 'C:\Program Files\Kozmat'
pass "the installed program starts and greets"
run msiexec /i "$msi" /qn
expect "$installed" "the same package again: status 0, the same program, shortcut, entry"
run msiexec /x "$msi" /qn
expect "$nothing" "msiexec /x /qn: no program, shortcut or entry left"

fresh msi-upgrade
run msiexec /i "$old_msi" /qn
run msiexec /i "$msi" /qn
expect "$installed" "package $old then $new: one program, $new"
greets 'C:\Program Files\Kozmat'
status=0
timeout 300 wine msiexec /i "$old_msi" /qn || status=$?
timeout 60 wineserver -w
# 1603, "fatal error during installation", as a Unix status: its low 8 bits.
[ "$status" = $((1603 % 256)) ] || fail "the older package over the newer one: status $status"
expect "$installed" "package $old over $new: refused, $new stays"

# setup.exe into a folder of its own, then its newer version, then the school's package.
fresh setup
run "$old_setup" /S '/D=C:\Kozmat'
run "$setup" /S
expect "entries: $new setup | files: Kozmat Kozmat/kozmat.exe=$new Kozmat/uninstall.exe | shortcuts: 1" \
    "setup.exe $old then $new: one program, $new, in the older one's folder"
greets 'C:\Kozmat'
run msiexec /i "$msi" /qn
expect "$installed" "the package over setup.exe: its program, folder, shortcut and entry gone"
run msiexec /x "$msi" /qn
expect "$nothing" "and removed: nothing left"
