#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every Windows program runs from its own folder alone: it imports only the system's DLLs (no
# runtime of the compiler's beside it), and it is built for its subsystem: a window program
# opens no console of its own, a console program writes to the one it was started from.
# Usage: windows_programs_stand_alone.sh PROGRAM.exe:gui|console...
set -uo pipefail

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for given in "$@"; do
    program=${given%:*}
    wanted=${given##*:}
    name=$(basename "$program")
    headers=$(x86_64-w64-mingw32-objdump -p "$program") || { fail "$name cannot be read"; continue; }
    for dll in $(sed -n 's/.*DLL Name: //p' <<<"$headers"); do
        case "${dll,,}" in
        kernel32.dll | msvcrt.dll | user32.dll | gdi32.dll | shell32.dll | advapi32.dll | \
            comctl32.dll | comdlg32.dll | ole32.dll | oleaut32.dll | windowscodecs.dll | winmm.dll | \
            api-ms-win-*) ;;
        *) fail "$name needs $dll beside it" ;;
        esac
    done
    subsystem=$(sed -n 's/^Subsystem[[:space:]]*[0-9a-f]*[[:space:]]*(Windows \([A-Z]*\)).*/\1/p' <<<"$headers")
    case "$wanted:$subsystem" in
    gui:GUI | console:CUI) ;;
    *) fail "$name is built for the subsystem '$subsystem', not $wanted" ;;
    esac
done

echo "$# programs, $failures failures"
[ "$failures" -eq 0 ]
