#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# The school's package end to end, and the upgrades of both installers, under Wine: each case in
# a fresh prefix. Usage: msi.sh DIST OLDER OUTPUT-DIR (DIST, OLDER: setup.exe and .msi of this
# version and of an older one, as scripts/package-windows writes them)
set -euo pipefail
out=$(realpath -m "$3")
. "$(dirname "$0")/wine.sh"
msi=$(realpath "$1"/kozmat-*.msi) setup=$(realpath "$1"/kozmat-*-setup.exe)
old_msi=$(realpath "$2"/kozmat-*.msi) old_setup=$(realpath "$2"/kozmat-*-setup.exe)
new=${msi##*-} new=${new%.msi} old=${old_msi##*-} old=${old%.msi}
wine_start "$out"
timeout 60 wineserver -w

# fresh NAME : a copy of the untouched prefix, quicker than a new one; the last case's goes.
fresh() {
    timeout 60 wineserver -k || true
    [ "$WINEPREFIX" = "$out/prefix" ] || rm -rf "$WINEPREFIX"
    export WINEPREFIX=$out/$1
    cp -a "$out/prefix" "$WINEPREFIX"
}
# expect 'ENTRIES | FILES | SHORTCUTS' WHAT : the Apps & features entries named كوزماط (version,
# whose), the program's folders and files (kozmat.exe=its version) and shortcuts are these.
# system.reg, as `wine reg query` shows ? for Arabic letters; Wine's msi puts the shortcut in the
# user's menu, not in all users' as Windows does.
expect() {
    local entries files found
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
    found="$entries | $files | $(find "$WINEPREFIX/drive_c" -name 'كوزماط.lnk' | wc -l)"
    [ "$found" = "$1" ] || fail "$2: expected '$1', found '$found'"
    pass "$2"
}
# greets FOLDER : the program there starts and shows its welcome box (wineserver -k ends it).
greets() {
    (timeout 300 wine "$1\\kozmat.exe" >/dev/null 2>&1 &)
    until_ok "the welcome box of $1\\kozmat.exe" visible 'ترحيب'
    timeout 60 wineserver -k
    timeout 60 wineserver -w
}
installed="$new msi | Program Files/Kozmat Program Files/Kozmat/kozmat.exe=$new | 1"

fresh msi
run msiexec /i "$msi" /qn
expect "$installed" "msiexec /i /qn: program, shortcut, entry"
greets 'C:\Program Files\Kozmat'
run msiexec /i "$msi" /qn
expect "$installed" "the program greets; the same package again: status 0, nothing else"
run msiexec /x "$msi" /qn
expect " |  | 0" "msiexec /x /qn: no program, shortcut or entry left"

fresh msi-upgrade
run msiexec /i "$old_msi" /qn
run msiexec /i "$msi" /qn
greets 'C:\Program Files\Kozmat'
expect "$installed" "package $old then $new: one program, $new, greets"
status=0
timeout 300 wine msiexec /i "$old_msi" /qn || status=$?
timeout 60 wineserver -w
# 1603, "fatal error during installation", as a Unix status: its low 8 bits.
[ "$status" = $((1603 % 256)) ] || fail "package $old over $new: status $status"
expect "$installed" "package $old over $new: refused, $new stays"

# setup.exe into a folder of its own, its newer version, then the school's package over it.
fresh setup
run "$old_setup" /S '/D=C:\Kozmat'
run "$setup" /S
greets 'C:\Kozmat'
expect "$new setup | Kozmat Kozmat/kozmat.exe=$new Kozmat/uninstall.exe | 1" \
    "setup.exe $old then $new: one program, $new, in the older one's folder, greets"
run msiexec /i "$msi" /qn
expect "$installed" "the package over setup.exe: its program, folder, shortcut and entry gone"
run msiexec /x "$msi" /qn
expect " |  | 0" "and removed: nothing left"
