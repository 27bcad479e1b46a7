# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by run.sh, test.sh and screenshot.sh (sourced, not run): where the tree and the build
# are, and how to configure and build it.

MURAX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
MURAX_BUILD=${MURAX_BUILD_DIR:-$MURAX_ROOT/build}
case "$MURAX_BUILD" in /*) ;; *) MURAX_BUILD="$PWD/$MURAX_BUILD" ;; esac
MURAX_JOBS=$(nproc 2>/dev/null || echo 2)

# Configures a build folder with Ninja unless it is configured already (an existing folder keeps
# its generator and options); extra arguments are cache settings.
murax_configure() {  # build-dir [-DNAME=VALUE...]
    local dir=$1
    shift
    if [ -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$MURAX_ROOT" -B "$dir" "$@" >/dev/null
    else
        cmake -S "$MURAX_ROOT" -B "$dir" -G Ninja "$@"
    fi
}

murax_build() {  # build-dir [target...]
    local dir=$1
    shift
    local targets=()
    for target in "$@"; do targets+=(--target "$target"); done
    cmake --build "$dir" --parallel "$MURAX_JOBS" "${targets[@]}"
}
