# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The steps both screenshot scripts share: sourced by each script itself (the demo folder and the
# virtual X server) and by the script it runs on that server (the wait and the crop).

# require_tools HINT TOOL...: fails naming the first tool that is missing, and HINT.
require_tools() {
    local hint=$1 tool
    shift
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "screenshot: $tool is missing ($hint)" >&2; exit 1; }
    done
}

# make_demo_folder: a folder of a fixed name, so that the status bar shows a short, tidy path,
# holding tapes/murax-demo.tap; in $scratch, removed when the script ends.
make_demo_folder() {
    scratch=${TMPDIR:-/tmp}/murax-demo
    mkdir "$scratch" || { echo "screenshot: $scratch is in the way; remove it first" >&2; exit 1; }
    trap 'rm -rf "$scratch"' EXIT
    mkdir "$scratch/tapes"
    cp "$MURAX_ROOT/resources/sample/murax-demo.tap" "$scratch/tapes/"
}

# shoot_on_virtual_screen SCRIPT PROGRAM OUT: runs SCRIPT on a virtual X server at 96 dpi with
# the program, the demo tape, where the shot goes and this file; then copies the shot to OUT.
shoot_on_virtual_screen() {
    local script=$1 program=$2 out=$3
    xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash "$script" "$program" \
        "$scratch/tapes/murax-demo.tap" "$scratch/shot.png" "$MURAX_ROOT/tools/window-shot-steps.sh"
    mkdir -p "$(dirname "$out")"
    cp "$scratch/shot.png" "$out"
    echo "wrote $out"
}

# wait_for_window TITLE PID TENTHS: waits up to TENTHS tenths of a second for a window titled
# TITLE, and fails early when the program PID ends first.
wait_for_window() {
    local title=$1 app=$2 tenths=$3
    for _ in $(seq "$tenths"); do
        xwininfo -root -tree | grep -q "\"$title\"" && return 0
        kill -0 "$app" 2>/dev/null || break
        sleep 0.1
    done
    echo "screenshot: the window did not appear" >&2
    return 1
}

# crop_window TITLE SHOT: the whole screen, cut down to the window's own position and size.
crop_window() {
    local title=$1 shot=$2 geometry x y w h
    geometry=$(xwininfo -name "$title")
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$geometry")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$geometry")
    w=$(sed -n 's/.*Width: *//p' <<<"$geometry")
    h=$(sed -n 's/.*Height: *//p' <<<"$geometry")
    import -window root "$shot.full.png"
    convert "$shot.full.png" -crop "${w}x${h}+${x}+${y}" +repage "$shot"
    echo "window ${w}x${h} at ${x},${y}"
}
