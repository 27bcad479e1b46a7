#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the README's screenshot: the real editor window on the sample tape, shown on a virtual X
# server at 96 dpi and cut out of the screen at the window's own position and size.
# Usage: tools/screenshot.sh [output.png]   (default docs/screenshot.png; MURAX_BUILD_DIR as for run.sh)
set -euo pipefail
source "$(dirname "$0")/build-common.sh"

out=${1:-$MURAX_ROOT/docs/screenshot.png}
case "$out" in /*) ;; *) out="$PWD/$out" ;; esac

for tool in xvfb-run xwininfo import convert; do
    command -v "$tool" >/dev/null || { echo "screenshot: $tool is missing (tools/setup-deps.sh test installs it)" >&2; exit 1; }
done
murax_configure "$MURAX_BUILD"
murax_build "$MURAX_BUILD" murax

# A folder of a fixed name, so that the status bar shows a short, tidy path.
scratch=${TMPDIR:-/tmp}/murax-demo
mkdir "$scratch" || { echo "screenshot: $scratch is in the way; remove it first" >&2; exit 1; }
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/tapes"
cp "$MURAX_ROOT/resources/sample/murax-demo.tap" "$scratch/tapes/"

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

xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" \
    bash "$scratch/shoot.sh" "$MURAX_BUILD/app/murax" "$scratch/tapes/murax-demo.tap" "$scratch/shot.png" \
    "$MURAX_ROOT/tools/window-shot-steps.sh"
mkdir -p "$(dirname "$out")"
cp "$scratch/shot.png" "$out"
echo "wrote $out"
