#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the README's screenshot: the real editor window on the sample tape, shown on a virtual X
# server at 96 dpi and cut out of the screen at the window's own position and size.
# Usage: tools/screenshot.sh [output.png]   (default docs/screenshot.png; MURAX_BUILD_DIR as for run.sh)
set -euo pipefail
source "$(dirname "$0")/build-common.sh"
source "$(dirname "$0")/window-shot-steps.sh"

out=${1:-$MURAX_ROOT/docs/screenshot.png}
case "$out" in /*) ;; *) out="$PWD/$out" ;; esac

require_tools "tools/setup-deps.sh test installs it" xvfb-run xwininfo import convert
murax_configure "$MURAX_BUILD"
murax_build "$MURAX_BUILD" murax

make_demo_folder

cat >"$scratch/shoot.sh" <<'EOF'
set -euo pipefail
murax=$1 tape=$2 shot=$3 steps=$4
# A home of its own: no user settings, and the start-up clean-up sees only this folder.
export HOME=$(dirname "$tape")/home XDG_CONFIG_HOME=$(dirname "$tape")/home/.config
mkdir -p "$XDG_CONFIG_HOME"
cd "$(dirname "$tape")"
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 "$murax" "$tape" &
app=$!
source "$steps"
wait_for_window "Murax 1.05" "$app" 150 || { kill "$app" 2>/dev/null; exit 1; }
sleep 1.5  # the first paint, and row 1 selected after it
crop_window "Murax 1.05" "$shot"
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
EOF

shoot_on_virtual_screen "$scratch/shoot.sh" "$MURAX_BUILD/qt/murax" "$out"
