#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Every file of the source tree states its copyright and licence, and every licence it names
# is in LICENSES/.
# Usage: reuse.sh SOURCE-DIR
set -euo pipefail
cd "$1"
if ! out=$(reuse lint 2>&1); then
    printf '%s\n' "$out" >&2
    echo "FAIL: reuse lint" >&2
    exit 1
fi
echo "PASS: reuse lint"
