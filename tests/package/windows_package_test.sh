#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows packages under Wine, in a Wine prefix of their own made afresh in a scratch folder:
# the zip holds one folder with the programs and the licence; the installer, run silently, puts
# them in the folder it is given with a Start-menu entry and an uninstaller, offers Murax in
# "Open with" for .tap files while the emulator that opened them keeps opening them, and its
# uninstaller takes all of it away again and leaves that emulator's entries as they were.
# Usage: windows_package_test.sh CASE INSTALLER ZIP VERSION      (CASE: zip or installer)
set -uo pipefail

case_name=$1
installer=$2
zip=$3
version=$4

source "$(dirname "${BASH_SOURCE[0]}")/../support/helpers/shell_checks.sh"

check_zip() {
    local top
    top=$(basename "$zip" .zip)
    printf '%s\n' "$top/" "$top/LICENSE.txt" "$top/murax-list.exe" "$top/murax.exe" >"$scratch/expected"
    unzip -Z1 "$zip" | LC_ALL=C sort >"$scratch/actual"
    diff -u "$scratch/expected" "$scratch/actual" >&2 || fail "the zip holds other files than the programs and the licence"
}

# Wine (on the display CTest runs under), kept to the scratch folder: no menu entries or file types of the host's desktop.
export WINEPREFIX="$scratch/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine_run() { wine "$@"; local status=$?; wineserver -w; return $status; }
classes='HKLM\Software\Classes'
other_progid=Emulator.Tape  # stands for the emulator the user already has

# Prints the value of a registry entry, or fails when it is not there.
reg_value() {  # key name
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p" | grep . \
        || wine reg query "$1" /v "$2" >/dev/null 2>&1
}
reg_default() {  # key
    wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_[A-Z_]* *//p'
}
key_exists() { wine reg query "$1" >/dev/null 2>&1; }

check_installer() {
    wineboot --init >/dev/null 2>&1
    # The emulator's association, as a user who has one would have it.
    wine reg add "$classes\\.tap" /ve /d "$other_progid" /f >/dev/null 2>&1
    wine reg add "$classes\\$other_progid\\shell\\open\\command" /ve /d 'emulator.exe "%1"' /f >/dev/null 2>&1
    wineserver -w

    # No space in the folder: Wine would quote the argument, and the installer takes /D= unquoted.
    local dir="$scratch/programs/Murax" windir
    mkdir -p "$scratch/programs"
    windir=$(winepath -w "$dir" 2>/dev/null)
    wine_run "$installer" /S "/D=$windir" || fail "the silent install failed"

    for file in murax.exe murax-list.exe LICENSE.txt uninstall.exe; do
        [ -f "$dir/$file" ] || fail "$file is not installed"
    done
    cmp -s "$dir/LICENSE.txt" "$(dirname "${BASH_SOURCE[0]}")/../../LICENSE" || fail "the installed licence differs"
    local menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Murax.lnk"
    [ -f "$menu" ] || fail "there is no Start-menu entry"
    local answer
    answer=$(wine "$dir/murax.exe" --version 2>/dev/null | tr -d '\r')
    [ "$answer" = "Murax $version" ] || fail "the installed murax.exe --version answered '$answer'"

    key_exists "$classes\\.tap\\OpenWithProgids" && reg_value "$classes\\.tap\\OpenWithProgids" Murax.TapeImage >/dev/null \
        || fail ".tap does not list Murax under OpenWithProgids"
    local command
    command=$(reg_default "$classes\\Murax.TapeImage\\shell\\open\\command")
    [ "$command" = "\"$windir\\murax.exe\" \"%1\"" ] || fail "Murax's open command is '$command'"
    command=$(reg_default "$classes\\Applications\\murax.exe\\shell\\open\\command")
    [ "$command" = "\"$windir\\murax.exe\" \"%1\"" ] || fail "the Applications entry's command is '$command'"
    [ "$(reg_default "$classes\\.tap")" = "$other_progid" ] || fail "the install changed the default program of .tap"
    key_exists 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Murax' || fail "Murax is not in the list of installed programs"

    wine_run "$dir/uninstall.exe" /S || fail "the silent uninstall failed"
    [ ! -e "$dir" ] || fail "the uninstaller left $(ls -A "$dir" | tr '\n' ' ')in the install folder"
    [ ! -e "$menu" ] || fail "the uninstaller left the Start-menu entry"
    for key in "$classes\\Murax.TapeImage" "$classes\\Applications\\murax.exe" 'HKLM\Software\Murax' \
               'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Murax'; do
        key_exists "$key" && fail "the uninstaller left $key"
    done
    wine reg query "$classes\\.tap\\OpenWithProgids" /v Murax.TapeImage >/dev/null 2>&1 \
        && fail "the uninstaller left Murax in OpenWithProgids"
    wine reg query 'HKLM\Software\RegisteredApplications' /v Murax >/dev/null 2>&1 \
        && fail "the uninstaller left Murax among the registered applications"
    [ "$(reg_default "$classes\\.tap")" = "$other_progid" ] || fail "the uninstall took the emulator's .tap away"
    key_exists "$classes\\$other_progid\\shell\\open\\command" || fail "the uninstall took the emulator's ProgID away"
}

case "$case_name" in
zip) check_zip ;;
installer) check_installer ;;
*) unknown_case ;;
esac
finish_case
