#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds murax.exe, murax-list.exe and their tests for Windows with mingw-w64, and runs them under
# Wine: the core tests, the window's tests (real windows and dialogs, on a display of Xvfb's),
# murax-list.exe against the Linux murax-list on a corpus of tapes, and a short run of the window's
# benchmark when the Linux build has made its runner; and makes the packages (the installer and
# the zip, in the build folder) and installs and uninstalls the installer. The Linux build
# (MURAX_BUILD_DIR, default build/) must exist: its murax-list is the reference. The packages are
# large; MURAX_SKIP_WINDOWS=1 leaves this step out of a quick local run of tools/test.sh.
# Usage: tools/test-windows.sh [build-dir]      (default: the build folder + "-windows")
set -euo pipefail
source "$(dirname "$0")/build-common.sh"

build=${1:-$MURAX_BUILD-windows}

"$MURAX_ROOT/tools/setup-deps.sh" windows

# The window's benchmark under Wine is the Linux build's, run here on this build's timing program.
bench_runner="$MURAX_BUILD/bench/window_under_wine_bench"
[ -x "$bench_runner" ] || bench_runner=""

echo "== murax.exe, murax-list.exe and their tests, under Wine ($build)"
murax_configure "$build" \
    -DCMAKE_TOOLCHAIN_FILE="$MURAX_ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DMURAX_BUILD_WINDOW=ON -DMURAX_BUILD_BENCHMARKS=ON \
    -DMURAX_REFERENCE_LISTER="$MURAX_BUILD/lister/murax-list" \
    -DMURAX_WINE_BENCH_RUNNER="$bench_runner"
murax_build "$build" murax_core_tests murax-list murax murax_win32_tests murax_windows_package \
    murax_window_timing

# A Wine prefix of the build's own, made once, with no messages of Wine's own; the windows go to a
# display of Xvfb's, never to the user's.
unset DISPLAY WAYLAND_DISPLAY
export WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -d "$WINEPREFIX" ] || wineboot --init >/dev/null 2>&1 || true
# Xvfb has no window manager, and Wine waits up to 2 s for one to take every top-level window it
# hides or destroys: that was most of each window test's time. Windows Wine does not hand to a
# window manager are not waited for.
if ! grep -qs '^"Managed"="N"' "$WINEPREFIX/user.reg"; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
fi
xvfb-run -a ctest --test-dir "$build" --output-on-failure
