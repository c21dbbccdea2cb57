#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file states its copyright and licence, and every licence it names is in
# LICENSES/. The check runs on a copy of the sources: without git (a tarball, a pristine
# machine) reuse would otherwise also read the build folders and whatever a run left behind.
# Usage: reuse.sh SOURCE-DIR
set -euo pipefail
src=$1
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT

if git -C "$src" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    # The tracked files, and those about to be added, as they are in the work tree.
    git -C "$src" ls-files -z --cached --others --exclude-standard |
        (cd "$src" && xargs -0 -r sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh) |
        tar -C "$src" --null -T - -cf - | tar -C "$copy" -xf -
else
    # The same without git: everything but what .gitignore leaves out.
    tar -C "$src" --exclude='./build*' --exclude='./bench/out' --exclude='./dist' \
        --exclude='*.user' --exclude='__pycache__' -cf - . | tar -C "$copy" -xf -
fi

cd "$copy"
if ! out=$(reuse lint 2>&1); then
    printf '%s\n' "$out" >&2
    echo "FAIL: reuse lint" >&2
    exit 1
fi
echo "PASS: reuse lint ($(find . -type f | wc -l) files)"
