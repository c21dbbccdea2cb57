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
