#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the core library, murax-list.exe and the core tests for Windows with mingw-w64, and runs
# them under Wine, headless: the core tests, and murax-list.exe against the Linux murax-list on a
# corpus of tapes. The Linux build (MURAX_BUILD_DIR, default build/) must exist: its murax-list is
# the reference. The packages are large; MURAX_SKIP_WINDOWS=1 leaves this step out of a quick
# local run of tools/test.sh.
# Usage: tools/test-windows.sh [build-dir]      (default: the build folder + "-windows")
set -euo pipefail
source "$(dirname "$0")/build-common.sh"

build=${1:-$MURAX_BUILD-windows}

"$MURAX_ROOT/tools/setup-deps.sh" windows

echo "== the core and murax-list for Windows, under Wine ($build)"
murax_configure "$build" \
    -DCMAKE_TOOLCHAIN_FILE="$MURAX_ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DMURAX_BUILD_WINDOW=OFF -DMURAX_BUILD_BENCHMARKS=OFF \
    -DMURAX_GTEST_SOURCE_DIR=/usr/src/googletest \
    -DMURAX_REFERENCE_LISTER="$MURAX_BUILD/lister/murax-list"
murax_build "$build" murax_core_tests murax-list

# A Wine prefix of the build's own, made once, with no display and no messages of Wine's own.
unset DISPLAY WAYLAND_DISPLAY
export WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -d "$WINEPREFIX" ] || wineboot --init >/dev/null 2>&1 || true
ctest --test-dir "$build" --output-on-failure
