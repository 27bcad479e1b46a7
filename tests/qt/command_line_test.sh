#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program started with arguments that Qt would take for its own options: none of them may
# reach Qt. "-platform nonexistent" would end a Qt program at once, before anything of its own ran;
# here it must be the tape name and an ignored extra. The program's own start-up shows it got that
# far: its start-up clean-up removes the 0x7F leftover of an earlier run from the current folder.
# Usage: command_line_test.sh MURAX_EXECUTABLE
set -u
murax=$1
scratch=$(mktemp -d)
app=
trap '[ -n "$app" ] && kill "$app" 2>/dev/null; rm -rf "$scratch"' EXIT
mkdir "$scratch/temp"
leftover=$(printf '%s/\x7fleft' "$scratch")
: >"$leftover"

cd "$scratch"
# The TEMP folder of its own: the clean-up must not touch other runs' leftovers.
TEMP="$scratch/temp" HOME="$scratch" QT_QPA_PLATFORM=offscreen "$murax" -platform nonexistent &
app=$!
for _ in $(seq 200); do
    [ -e "$leftover" ] || break
    kill -0 "$app" 2>/dev/null || break
    sleep 0.05
done
if [ -e "$leftover" ]; then
    echo "the program did not reach its own start-up: Qt took the arguments" >&2
    exit 1
fi
# It now waits on the "not found." box for -platform.tap; that is all this test needed.
kill "$app" 2>/dev/null
wait "$app" 2>/dev/null
app=
echo "passed"
