#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Every C and C++ file of the sources is formatted as .clang-format says.
# Usage: format.sh SOURCE-DIR
set -euo pipefail
cd "$1"
mapfile -d '' files < <(
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files -z -- '*.cpp' '*.h' '*.c'
    else
        find . \( -path './build*' -o -path ./.git \) -prune -o \
            -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -print0
    fi
)
if ! clang-format --dry-run -Werror "${files[@]}"; then
    echo "FAIL: formatting; run: clang-format -i FILE" >&2
    exit 1
fi
echo "PASS: ${#files[@]} files formatted"
