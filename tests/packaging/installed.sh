#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the program into a scratch prefix, as a packager would, and checks what a desktop
# needs: the executable, a valid desktop entry naming it, valid AppStream metadata and the menu
# icon, each in its standard place.
# Usage: installed.sh BUILD-DIR SCRATCH-DIR
set -euo pipefail
build=$1
prefix=$2
. "$(dirname "$0")/../common/shell.sh"

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

[ -x "$prefix/bin/كوزماط" ] || fail "no executable bin/كوزماط"
# The plugin that keeps Qt 6.4's Wayland client from loading OpenGL, in the program's own folder.
plugin=kozmat/wayland-graphics-integration-client/libkozmat-shm.so
[ -n "$(find "$prefix/lib" -path "*/$plugin")" ] || fail "no plugin lib/…/$plugin"
# The Latin command and its manual page are links to the program's own.
[ "$(readlink "$prefix/bin/kozmat")" = كوزماط ] || fail "bin/kozmat is not a link to كوزماط"
man=$prefix/share/man/man1
[ "$(readlink "$man/kozmat.1.gz")" = كوزماط.1.gz ] && [ -f "$man/كوزماط.1.gz" ] ||
    fail "no manual page kozmat.1.gz beside كوزماط.1.gz"
# Typed as kozmat, it is the program: without a display it says it needs one, and stops.
said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 \
    "$prefix/bin/kozmat" 2>&1) && status=0 || status=$?
[ "$status" = 1 ] && grep -q 'needs a desktop' <<<"$said" ||
    fail "kozmat without a display: status $status, said: $said"
desktop=$prefix/share/applications/org.example.Kozmat.desktop
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
grep -qx 'Exec=كوزماط' "$desktop" || fail "desktop entry does not start bin/كوزماط"
grep -qx 'Categories=Education;Math;' "$desktop" || fail "desktop entry is not in Education;Math"
appstreamcli validate --no-net "$prefix/share/metainfo/org.example.Kozmat.metainfo.xml" ||
    fail "AppStream metadata does not validate"
icon=$prefix/share/icons/hicolor/128x128/apps/org.example.Kozmat.png
[ "$(identify -format '%wx%h %[channels]' "$icon")" = "128x128 srgba" ] ||
    fail "menu icon is not a 128 x 128 picture with transparency"
# The padding around the 100 x 60 window icon is transparent, the panel opaque.
[ "$(convert "$icon" -format '%[fx:p{2,2}.a] %[fx:p{64,64}.a]' info:)" = "0 1" ] ||
    fail "menu icon is not the window icon on a transparent square"
echo "PASS: installed into $prefix"
