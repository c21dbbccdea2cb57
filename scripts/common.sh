# SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by scripts/run and scripts/test: installs what is missing, configures and builds.
# Sourced, not run.

KOZMAT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The folder of the ordinary build (the preset "default").
KOZMAT_BUILD=$KOZMAT_ROOT/build

say() { printf '%s\n' "$*" >&2; }

as_root() {
    if [ "$(id -u)" = 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        say "Installing packages needs root: run this as root, or install sudo."
        exit 1
    fi
}

# install_packages USE... : installs the packages of scripts/packages.txt needed for these uses.
install_packages() {
    local wanted missing=() pkg
    wanted=$(awk -v uses=" $* " '
        /^[[:space:]]*(#|$)/ { next }
        { for (i = 2; i <= NF; i++) if (index(uses, " " $i " ")) { print $1; break } }
    ' "$KOZMAT_ROOT/scripts/packages.txt")
    if ! command -v dpkg-query >/dev/null 2>&1; then
        say "This is not a Debian system; make sure these packages (or their equivalents) are installed:"
        say "  $(echo $wanted)"
        return 0
    fi
    for pkg in $wanted; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    say "Installing missing Debian packages: ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# build PRESET [CMAKE-OPTIONS...] : configures the build that PRESET names in CMakePresets.json
# and builds it. Configuring on every call makes an option given now count in a folder
# configured before; when nothing changed it is quick.
build() {
    local preset=$1
    shift
    (cd "$KOZMAT_ROOT" && cmake --preset "$preset" "$@" >/dev/null &&
        cmake --build --preset "$preset" -j"$(nproc)")
}

# generate_locales NAME... : makes the UTF-8 locales (e.g. fr_FR) that are not there yet.
generate_locales() {
    local name
    for name in "$@"; do
        locale -a 2>/dev/null | grep -qix "$name.utf8" && continue
        as_root localedef -i "$name" -f UTF-8 "$name.UTF-8"
    done
}

# source_date_epoch : the time the sources last changed, in seconds since 1970, for builds that
# must not depend on when they ran: the last commit's time, or in a tree without its git history
# (a copy, an unpacked tarball, a machine without git) the time of the changelog's top entry.
source_date_epoch() {
    if [ -e "$KOZMAT_ROOT/.git" ] && command -v git >/dev/null 2>&1; then
        git -C "$KOZMAT_ROOT" log -1 --format=%ct
    else
        dpkg-parsechangelog -l "$KOZMAT_ROOT/packaging/changelog" -S Timestamp
    fi
}

# The steps of a script and their times, as a table when it ends, passed or failed: "step NAME"
# ends the step before and begins this one. Steps of a script that another one runs go into
# the caller's table (KOZMAT_STEPS names its file).
KOZMAT_STEP=
KOZMAT_STEP_BEGAN=0
step() {
    end_step passed
    KOZMAT_STEP=$1
    KOZMAT_STEP_BEGAN=$SECONDS
    say "== $1"
}
end_step() {
    [ -n "$KOZMAT_STEP" ] || return 0
    printf '%s\t%s\t%s\n' "$KOZMAT_STEP" $((SECONDS - KOZMAT_STEP_BEGAN)) "$1" >>"$KOZMAT_STEPS"
    KOZMAT_STEP=
}
minutes() { printf '%d min %02d s' $(($1 / 60)) $(($1 % 60)); }
print_steps() {
    local name seconds result total=0
    say ""
    say "| step | time | result |"
    say "|---|---|---|"
    while IFS=$'\t' read -r name seconds result; do
        say "| $name | $(minutes "$seconds") | $result |"
        total=$((total + seconds))
    done <"$KOZMAT_STEPS"
    say "| all | $(minutes "$total") | $1 |"
}
# time_steps : call once, at the top of a script made of steps.
time_steps() {
    KOZMAT_STEPS_OWN=
    if [ -z "${KOZMAT_STEPS:-}" ]; then
        KOZMAT_STEPS=$(mktemp)
        KOZMAT_STEPS_OWN=yes
        export KOZMAT_STEPS
    fi
    trap finish_steps EXIT
}
finish_steps() {
    local status=$?
    if [ $status = 0 ]; then end_step passed; else end_step FAILED; fi
    if [ -n "$KOZMAT_STEPS_OWN" ]; then
        if [ $status = 0 ]; then print_steps passed; else print_steps "FAILED (status $status)"; fi
        rm -f "$KOZMAT_STEPS"
    fi
    exit $status
}

# Qt built for another system (Windows, the web), as scripts/windows-qt and scripts/web-qt get it.
# qt_at_hand NAME INSTALLED DIR-VARIABLE TARBALL-VARIABLE [RECIPE] : prints the folder of a Qt
# that passes INSTALLED (a function given that folder), from the first of: the folder that
# DIR-VARIABLE names, the cache (${XDG_CACHE_HOME:-~/.cache}/kozmat/qt-6.4.2-NAME), the packed
# copy that TARBALL-VARIABLE names, unpacked into the cache. With RECIPE (the options and
# changes a copy is built with, as text), a copy in the cache or packed counts only when built
# with exactly that recipe, which such a copy holds in its file kozmat-recipe, and the cache's
# folder is named after it (qt-6.4.2-NAME-HASH): a copy built otherwise is left where it is.
# Returns 1 when none is there; $qt_prefix is then the cache's folder, for a build from source.
qt_at_hand() {
    local name=$1 installed=$2 dir=${!3:-} tarball=${!4:-} recipe=${5:-} cache unpack top
    if [ -n "$dir" ]; then
        "$installed" "$dir" || { say "$3=$dir holds no Qt for $name"; exit 1; }
        [ -z "$recipe" ] || qt_built_as "$dir" "$recipe" ||
            say "$3=$dir was built with other options than scripts/$name-qt's; using it as it is"
        echo "$dir"
        return 0
    fi
    cache=${XDG_CACHE_HOME:-$HOME/.cache}/kozmat
    qt_prefix=$cache/qt-6.4.2-$name
    [ -z "$recipe" ] || qt_prefix+=-$(printf '%s\n' "$recipe" | sha256sum | cut -c1-12)
    if "$installed" "$qt_prefix" && qt_built_as "$qt_prefix" "$recipe"; then
        echo "$qt_prefix"
        return 0
    fi
    mkdir -p "$cache"
    [ -n "$tarball" ] && [ -f "$tarball" ] || return 1
    say "Unpacking Qt 6.4.2 for $name from $tarball into $qt_prefix"
    unpack=$(mktemp -d "$cache/unpack.XXXXXX")
    tar -C "$unpack" -xJf "$tarball"
    top=$(find "$unpack" -mindepth 1 -maxdepth 1 -type d | head -n 1)
    if [ -n "$top" ] && "$installed" "$top" && qt_built_as "$top" "$recipe"; then
        rm -rf "$qt_prefix"
        mv "$top" "$qt_prefix"
        rm -rf "$unpack"
        echo "$qt_prefix"
        return 0
    fi
    rm -rf "$unpack"
    if [ -n "$top" ] && "$installed" "$top"; then
        say "$tarball was built with other options than scripts/$name-qt's; building Qt instead"
    else
        say "$tarball holds no Qt for $name; building it instead"
    fi
    return 1
}

# qt_built_as DIR [RECIPE] : whether the Qt in DIR was built with RECIPE (no RECIPE: any).
qt_built_as() {
    [ -z "${2:-}" ] || [ "$(cat "$1/kozmat-recipe" 2>/dev/null)" = "$2" ]
}

# qt_source WORK : fetches Debian 12's own qt6-base 6.4.2 source package into WORK/src, unpacks
# it and prints the folder of its sources. Through a source list of its own: the system's apt
# setup stays as it is.
qt_source() {
    local work=$1 uri
    # apt hands downloads to its own unprivileged user, who must reach the folder.
    chmod 755 "$work"
    uri=$(awk '/^URIs:/ { print $2; exit }' /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
    [ -n "$uri" ] || uri=$(awk '$1 == "deb" { for (i = 2; i <= NF; i++) if ($i ~ /^https?:/) { print $i; exit } }' \
        /etc/apt/sources.list 2>/dev/null || true)
    [ -n "$uri" ] || { say "No Debian mirror found in the apt sources"; exit 1; }
    mkdir -p "$work/apt/lists/partial" "$work/apt/parts" "$work/src"
    printf 'Types: deb-src\nURIs: %s\nSuites: bookworm\nComponents: main\nSigned-By: %s\n' \
        "$uri" /usr/share/keyrings/debian-archive-keyring.gpg >"$work/apt/parts/source.sources"
    local apt_own=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$work/apt/parts"
        -o Dir::State::Lists="$work/apt/lists")
    apt-get "${apt_own[@]}" update -qq >&2
    (cd "$work/src" && apt-get "${apt_own[@]}" source --download-only -qq "qt6-base=6.4.2+dfsg-10") >&2
    tar -C "$work/src" -xJf "$work/src/qt6-base_6.4.2+dfsg.orig.tar.xz"
    find "$work/src" -mindepth 1 -maxdepth 1 -type d -name 'qtbase-everywhere-src-*' | head -n 1
}
