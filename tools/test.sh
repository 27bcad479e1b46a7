#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the missing Debian packages, builds everything and runs every test under CTest: first
# the tests once in a build with the address and undefined-behaviour sanitizers, then the whole
# suite in the ordinary build, then the Windows build of the core and murax-list under Wine,
# whose CTest summary is the last thing printed.
# Usage: tools/test.sh     (MURAX_BUILD_DIR chooses the build folder; default build/;
#                           MURAX_SKIP_SANITIZERS=1 leaves the sanitizer pass out;
#                           MURAX_SKIP_WINDOWS=1 the Windows build under Wine)
set -euo pipefail
source "$(dirname "$0")/build-common.sh"

"$MURAX_ROOT/tools/setup-deps.sh" test

# The GUI tests need no display: CTest runs them on Qt's offscreen platform.
unset DISPLAY WAYLAND_DISPLAY

if [ "${MURAX_SKIP_SANITIZERS:-0}" != 1 ]; then
    "$MURAX_ROOT/tools/test-sanitized.sh" "$MURAX_BUILD-sanitize"
fi

echo "== build and every test ($MURAX_BUILD)"
murax_configure "$MURAX_BUILD"
murax_build "$MURAX_BUILD"
linux_status=0
ctest --test-dir "$MURAX_BUILD" --output-on-failure --parallel "$MURAX_JOBS" || linux_status=$?

# Last, and also after a failure above: the core and murax-list built for Windows and run under
# Wine. The whole run fails when either suite does.
if [ "${MURAX_SKIP_WINDOWS:-0}" != 1 ]; then
    "$MURAX_ROOT/tools/test-windows.sh"
fi
exit "$linux_status"
