# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The steps both screenshot scripts take on their virtual X server, sourced by their inner script.

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
