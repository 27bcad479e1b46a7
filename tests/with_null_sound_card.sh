#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command with a sound card: a PulseAudio server of its own, in a scratch folder, whose one
# card is a null sink "murax_play", which Qt Multimedia, or Wine's wave output, plays into. The command is told that a sound
# device is there (MURAX_EXPECT_SOUND_DEVICE=1), so that a Play that finds none fails. Without
# pulseaudio the run is skipped (exit 77), except under CI, which installs it: there it fails.
# Usage: with_null_sound_card.sh COMMAND [ARGUMENT...]
set -euo pipefail

if ! command -v pulseaudio >/dev/null; then
    case "${CI:-}" in
        "" | 0 | false) echo "pulseaudio is not installed: no sound card to play into" >&2; exit 77 ;;
        *) echo "pulseaudio is not installed, yet CI is set and tools/setup-deps.sh installs it" >&2; exit 1 ;;
    esac
fi

scratch=$(mktemp -d)
server=""
finish() {
    [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
    rm -rf "$scratch"
}
trap finish EXIT

HOME="$scratch" XDG_RUNTIME_DIR="$scratch" XDG_CONFIG_HOME="$scratch/config" \
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-level=error \
    -L "module-null-sink sink_name=murax_play" \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$scratch/native" &
server=$!
export PULSE_SERVER="unix:$scratch/native"
for _ in $(seq 100); do
    [ -S "$scratch/native" ] && break
    sleep 0.1
done
[ -S "$scratch/native" ] || { echo "the PulseAudio server did not start" >&2; exit 1; }

MURAX_EXPECT_SOUND_DEVICE=1 "$@"
