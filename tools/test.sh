#!/usr/bin/env bash
# Installs the missing Debian packages, builds everything and runs every test under CTest: first
# the tests once in a build with the address and undefined-behaviour sanitizers, then the whole
# suite in the ordinary build, whose summary is the last thing printed.
# Usage: tools/test.sh     (MURAX_BUILD_DIR chooses the build folder; default build/;
#                           MURAX_SKIP_SANITIZERS=1 leaves the sanitizer pass out)
set -euo pipefail
source "$(dirname "$0")/build-common.sh"

"$MURAX_ROOT/tools/setup-deps.sh" test

# The GUI tests need no display: CTest runs them on Qt's offscreen platform.
unset DISPLAY WAYLAND_DISPLAY

if [ "${MURAX_SKIP_SANITIZERS:-0}" != 1 ]; then
    # Every test but the install and package ones, which check packaging rather than code.
    sanitize_build="$MURAX_BUILD-sanitize"
    echo "== the tests with AddressSanitizer and UndefinedBehaviorSanitizer ($sanitize_build)"
    murax_configure "$sanitize_build" -DMURAX_SANITIZE=ON -DMURAX_BUILD_BENCHMARKS=OFF
    murax_build "$sanitize_build"
    ASAN_OPTIONS=abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        ctest --test-dir "$sanitize_build" --output-on-failure --parallel "$MURAX_JOBS" -LE install
fi

echo "== build and every test ($MURAX_BUILD)"
murax_configure "$MURAX_BUILD"
murax_build "$MURAX_BUILD"
ctest --test-dir "$MURAX_BUILD" --output-on-failure --parallel "$MURAX_JOBS"
