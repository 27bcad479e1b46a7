#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and its tests with AddressSanitizer and UndefinedBehaviorSanitizer and runs
# the tests once under them: the unit tests, the window tests, the lister and the tool-made tapes.
# Left out: the install and package tests (they check packaging, not code), the benchmarks (not
# built here) and the fuzz test (a sanitized build of its own).
# Usage: tools/test-sanitized.sh [build-dir]      (default: the build folder + "-sanitize")
set -euo pipefail
source "$(dirname "$0")/build-common.sh"

build=${1:-$MURAX_BUILD-sanitize}

# The GUI tests need no display: CTest runs them on Qt's offscreen platform.
unset DISPLAY WAYLAND_DISPLAY

echo "== the tests with AddressSanitizer and UndefinedBehaviorSanitizer ($build)"
murax_configure "$build" -DMURAX_SANITIZE=ON -DMURAX_BUILD_BENCHMARKS=OFF
murax_build "$build"
ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir "$build" --output-on-failure --parallel "$MURAX_JOBS" -LE 'install|fuzz|bench'
