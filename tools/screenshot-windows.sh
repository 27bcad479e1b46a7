#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the README's Windows screenshot: murax.exe on the sample tape under Wine, on a virtual X
# server at 96 dpi, cut out of the screen at the window's own position and size.
# Usage: tools/screenshot-windows.sh [output.png]   (default docs/screenshot-windows.png; the
#        Windows build is MURAX_BUILD_DIR + "-windows", as for test-windows.sh)
set -euo pipefail
source "$(dirname "$0")/build-common.sh"
source "$(dirname "$0")/window-shot-steps.sh"

out=${1:-$MURAX_ROOT/docs/screenshot-windows.png}
case "$out" in /*) ;; *) out="$PWD/$out" ;; esac
build=$MURAX_BUILD-windows

require_tools "tools/setup-deps.sh test and windows install it" xvfb-run xwininfo import convert wine
murax_configure "$build" -DCMAKE_TOOLCHAIN_FILE="$MURAX_ROOT/cmake/mingw-w64-x86_64.cmake"
murax_build "$build" murax

make_demo_folder

cat >"$scratch/shoot.sh" <<'SCRIPT'
set -euo pipefail
murax=$1 tape=$2 shot=$3 steps=$4
# A Wine prefix of its own in the demo folder: no settings of an earlier run, nothing of the user's.
export WINEPREFIX=$(dirname "$tape")/../wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wineboot --init >/dev/null 2>&1 || true
cd "$(dirname "$tape")"
wine "$murax" "$(winepath -w "$tape")" &
app=$!
source "$steps"
wait_for_window "Murax 1.05" "$app" 300 || { wineserver -k; exit 1; }
sleep 2  # the first paint, and row 1 selected after it
crop_window "Murax 1.05" "$shot"
wineserver -k
wait "$app" 2>/dev/null || true
SCRIPT

shoot_on_virtual_screen "$scratch/shoot.sh" "$build/win32/murax.exe" "$out"
