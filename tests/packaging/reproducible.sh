#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# The package is the same, byte for byte, from two copies of the sources in different folders,
# copied at different times and without their git history: then whoever rebuilds it can check
# that what they install is what the sources say. Then hardening-check on the packaged program.
# Usage: reproducible.sh SOURCE-DIR SCRATCH-DIR
set -euo pipefail
source=$1
scratch=$2
. "$(dirname "$0")/../common/shell.sh"
export LC_ALL=C.UTF-8 TZ=UTC

rm -rf "$scratch"
mkdir -p "$scratch"
# The sources as a release tarball would hold them: no history, no build folders.
excludes=(--exclude=./.git --exclude='./build*' --exclude=./dist --exclude=./bench/out)
for d in "$source"/*/; do
    [ -f "$d/CMakeCache.txt" ] && excludes+=("--exclude=./$(basename "$d")")
done
copy() { # copy DEST [TAR-OPTIONS]
    mkdir -p "$1"
    tar -C "$source" "${excludes[@]}" -cf - . | tar -C "$1" "${@:2}" -xf -
}
one=$scratch/one/kozmat
two=$scratch/second-copy/kozmat-sources
copy "$one"
sleep 1
copy "$two" --touch # every file dated now, as a fresh clone's

for tree in "$one" "$two"; do
    echo "== package from $tree ($(date +%T))"
    lint=yes
    [ "$tree" = "$two" ] && lint=no # the sources are the same: lintian has said its word
    env -u SOURCE_DATE_EPOCH KOZMAT_LINTIAN=$lint "$tree/scripts/package" ||
        fail "scripts/package failed in $tree"
done
deb_one=$(ls "$one"/dist/*.deb)
deb_two=$(ls "$two"/dist/*.deb)
sha256sum "$deb_one" "$deb_two"
if ! cmp "$deb_one" "$deb_two"; then
    command -v diffoscope >/dev/null && diffoscope "$deb_one" "$deb_two" | head -n 100 >&2
    for deb in "$deb_one" "$deb_two"; do
        ar tv "$deb"
        (dpkg-deb --ctrl-tarfile "$deb" && dpkg-deb --fsys-tarfile "$deb") |
            tar -tv --full-time --ignore-zeros
    done >&2
    fail "two builds of the same sources gave different packages"
fi

# Without git history the package's time is the changelog's; every member carries it, owned
# by root.
stamp=$(date -d "@$(dpkg-parsechangelog -l "$one/packaging/changelog" -S Timestamp)" '+%F %T')
listing=$( (dpkg-deb --ctrl-tarfile "$deb_one" && dpkg-deb --fsys-tarfile "$deb_one") |
    tar -tv --full-time --ignore-zeros)
odd=$(grep -v " root/root .* $stamp " <<<"$listing" || true)
[ -z "$odd" ] || fail "members not owned by root or not dated $stamp:"$'\n'"$odd"

echo "== hardening ($(date +%T))"
root=$scratch/root
dpkg-deb -x "$deb_one" "$root"
program=$root/usr/bin/كوزماط
[ "$(readlink "$root/usr/bin/kozmat")" = كوزماط ] || fail "usr/bin/kozmat is not a link to كوزماط"
report=$(hardening-check --verbose "$program") || true
echo "$report"
# The flags reached the compiler (an "unknown" or a toolchain "no" below says nothing of it).
main_command=$(grep -F '"command"' "$one/build-package/compile_commands.json" |
    grep -F 'src/app/main.cpp')
for flag in -D_FORTIFY_SOURCE=2 -fstack-protector-strong -fstack-clash-protection -fcf-protection \
    -Werror=format-security -fPIE; do
    grep -q -- " $flag " <<<"$main_command" || fail "the compiler did not get $flag"
done

# Stack-clash probes go only into functions whose frame could jump the guard page (4 KiB or
# more, or of a size known only at run time): with none such, hardening-check finds no probe
# and answers "unknown".
big_frames=$(objdump -d --no-show-raw-insn "$program" | awk '
    /\tsub +%r[a-z0-9]+,%rsp$/ { print; next }
    match($0, /\tsub +\$0x[0-9a-f]+,%rsp$/) {
        hex = substr($0, index($0, "$0x") + 3); sub(/,.*/, "", hex)
        if (length(hex) > 3) print
    }')

# Two answers of hardening-check can be "no" for reasons of the toolchain, not of this build:
# - fortification replaces a call by its checking _chk variant only where the compiler knows
#   the destination's size; a program whose only fortifiable calls are memcpy and memmove into
#   buffers of unknown size (Qt's containers) keeps the plain calls, and is reported "no".
# - the linker marks the program as built for control-flow enforcement only when every object
#   it links is marked, and Debian 12's C start-up files (crt1.o, crti.o, crtn.o) are not.
crt_unmarked=()
for crt in Scrt1.o crti.o crtn.o; do
    file=$(g++ -print-file-name=$crt)
    readelf -n "$file" | grep -q 'x86 feature: .*IBT' || crt_unmarked+=("$crt")
done
while IFS= read -r line; do
    case $line in
    " "*": yes"*) ;;
    " Fortify Source functions: no, only unprotected functions found!"*)
        unprotected=$(sed -n 's/^\s*unprotected: //p' <<<"$report" | sort -u | tr '\n' ' ')
        [ -n "$unprotected" ] || fail "fortification off, and no function named"
        for fn in $unprotected; do
            case $fn in memcpy | memmove) ;; *) fail "$fn is not fortified" ;; esac
        done
        echo "accepted: fortification, the only fortifiable calls being $unprotected" ;;
    " Stack clash protection: unknown, no -fstack-clash-protection instructions found"*)
        [ -z "$big_frames" ] || fail "stack frames without stack-clash probes:"$'\n'"$big_frames"
        echo "accepted: no stack-clash probes, no frame of 4 KiB or more or of run-time size" ;;
    " Control flow integrity: no"*)
        [ ${#crt_unmarked[@]} -gt 0 ] ||
            fail "no control-flow marking, yet the C start-up files have it"
        echo "accepted: no control-flow marking, as ${crt_unmarked[*]} have none" ;;
    " "*": "*) fail "hardening-check: $line" ;;
    esac
done < <(grep -v '^\s*\(unprotected\|protected\):' <<<"$report" | tail -n +2)
echo "PASS: the same package from two copies ($(sha256sum <"$deb_one" | cut -c1-16)…), hardened"
