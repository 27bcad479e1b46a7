#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows packages under Wine, in a Wine prefix of their own made afresh in a scratch folder:
# the zip holds one folder with the programs and the licence; the installer, run silently, puts
# them in the folder it is given with a Start-menu entry and an uninstaller, offers Murax in
# "Open with" for .tap files while the emulator that opened them keeps opening them, and its
# uninstaller takes all of it away again and leaves that emulator's entries as they were; and an
# installed Murax started from its Start-menu entry by a user who may not write the install folder
# hands an entry to the hex editor and takes it back.
# Usage: windows_package_test.sh CASE INSTALLER ZIP VERSION DRIVER
#        (CASE: zip, installer or installed_hex_editor; DRIVER: murax_hex_handoff_driver.exe)
set -uo pipefail

case_name=$1
installer=$2
zip=$3
version=$4
driver=${5:-}

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

# A header entry named "game" with its 2 data bytes, as the test's tape; the hex editor stand-in
# writes 'E' over byte 4, the name's first letter.
game_tape() {  # first letter of the name
    printf '\x13\x00\x00\x03%same      \x02\x00\x00\x80\x00\x80\x0f\x04\x00\xff\x41\x42\xfc' "$1"
}

check_installed_hex_editor() {
    [ -n "$DISPLAY" ] || { fail "no display to run murax.exe on (run under xvfb-run)"; return; }
    # Everything the user owns lies under /tmp, which every user may enter.
    # Global: the clean-up at exit needs it.
    user_dir=$(mktemp -d /tmp/murax-wine-user.XXXXXX)
    trap 'chmod -R u+w "$user_dir" 2>/dev/null; rm -rf "$scratch" "$user_dir"' EXIT
    local home="$user_dir/home" prefix="$user_dir/prefix"
    mkdir -p "$home"
    cp "$driver" "$user_dir/driver.exe"
    cp "$installer" "$user_dir/setup.exe"
    # The display's key, for a user who may not read root's.
    [ -z "${XAUTHORITY:-}" ] || cp "$XAUTHORITY" "$user_dir/Xauthority"
    local -a as_user=(env HOME="$home" WINEPREFIX="$prefix" XAUTHORITY="$user_dir/Xauthority")
    if [ "$(id -u)" -eq 0 ]; then
        chown -R 65534:65534 "$user_dir"
        as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups "${as_user[@]}")
    fi
    user_wine() {
        "${as_user[@]}" wine "$@" 2>/dev/null | tr -d '\r'
        local status=${PIPESTATUS[0]}
        "${as_user[@]}" wineserver -w
        return "$status"
    }
    user_path() { "${as_user[@]}" winepath "$@" 2>/dev/null; }

    "${as_user[@]}" wineboot --init >/dev/null 2>&1
    "${as_user[@]}" wineserver -w
    user_wine "$(user_path -w "$user_dir/setup.exe")" /S || { fail "the silent install failed"; return; }
    local program_files install
    program_files=$(user_path -u "$(user_wine cmd /c echo %ProgramW6432%)")
    install="${program_files%/}/Murax"
    [ -f "$install/murax.exe" ] || { fail "murax.exe is not in $install"; return; }
    # The install folder as an ordinary user has it: root's, or (run as a user) read-only.
    if [ "$(id -u)" -eq 0 ]; then
        chown -R root:root "$install" && chmod 755 "$install"
    else
        chmod a-w "$install"
    fi
    "${as_user[@]}" touch "$install/probe" 2>/dev/null && fail "the user may write the install folder"

    local documents_win documents appdata temp_win temp seen_win
    documents_win=$(user_wine cmd /c echo %USERPROFILE%\\Documents)
    documents=$(user_path -u "$documents_win")
    appdata=$(user_path -u "$(user_wine cmd /c echo %APPDATA%)")
    temp_win=$(user_wine cmd /c echo %TEMP%)
    temp=$(user_path -u "$temp_win")
    "${as_user[@]}" mkdir -p "$documents" "$appdata/murax"
    game_tape g | "${as_user[@]}" tee "$documents/game.tap" >/dev/null
    local menu='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Murax.lnk'
    seen_win=$(user_path -w "$user_dir/seen")

    # First without a setting: the user is told, and a MURAX.INI to fill in is made in the
    # shortcut's working folder, with Windows' line ends.
    local out
    out=$(user_wine "$(user_path -w "$user_dir/driver.exe")" session "$menu" game "$seen_win")
    grep -qxF "working folder: $documents_win" <<<"$out" \
        || fail "the shortcut does not start in the documents folder: $out"
    grep -q "^message:.*Missing Hex editor value" <<<"$out" || fail "no missing-setting message: $out"
    [ "$(od -An -c "$documents/MURAX.INI" | tr -s ' \n' ' ')" = " [ E d i t ] \r \n H e x e d i t o r = \r \n " ] \
        || fail "the new MURAX.INI is not [Edit] and an empty Hex editor= in CR LF lines: $(od -c "$documents/MURAX.INI")"

    # Then with the hex editor set in the user's own MURAX.INI: started in the documents folder,
    # the scratch file is made there, as a bare name.
    printf '[Edit]\r\nHex editor=%s edit %s\r\n' "$(user_path -w "$user_dir/driver.exe")" "$seen_win" \
        | "${as_user[@]}" tee "$appdata/murax/MURAX.INI" >/dev/null
    out=$(user_wine "$(user_path -w "$user_dir/driver.exe")" session "$menu" game "$seen_win")
    grep -q '^message:.*TAP has been changed' <<<"$out" || fail "the edit was not taken back: $out"
    cmp -s <(game_tape E) "$documents/game.tap" \
        || fail "the saved tape holds other bytes: $(od -An -tx1 "$documents/game.tap")"
    case "$(cat "$user_dir/seen" 2>/dev/null)" in
    $'\x7f'[0-9]*) ;;
    *) fail "the scratch file was '$(cat "$user_dir/seen" 2>/dev/null)', not a bare name in the documents folder" ;;
    esac

    # Started in the install folder, which takes no file: the scratch file goes to a folder of
    # its own in the TEMP folder, and the edit (the name's letter back to 'g') still comes back.
    "${as_user[@]}" rm -f "$user_dir/seen"
    out=$(user_wine "$(user_path -w "$user_dir/driver.exe")" session "$menu" "$documents_win\\game.tap" \
        "$seen_win" "$(user_path -w "$install")")
    grep -q '^message:.*TAP has been changed' <<<"$out" || fail "the edit made from the install folder was not taken back: $out"
    cmp -s <(game_tape g) "$documents/game.tap" \
        || fail "the tape saved from the install folder holds other bytes: $(od -An -tx1 "$documents/game.tap")"
    local scratch_win
    scratch_win=$(cat "$user_dir/seen" 2>/dev/null)
    case "$scratch_win" in
    "$temp_win"\\$'\x7f'*\\$'\x7f'*) ;;
    *) fail "the scratch file was '$scratch_win', not in a folder of its own in $temp_win" ;;
    esac
    [ -z "$(ls -A "$temp" 2>/dev/null | grep $'^\x7f')" ] || fail "the hand-off left $(ls -A "$temp") in the TEMP folder"
    [ -z "$(ls -A "$documents" | grep $'^\x7f')" ] || fail "the hand-off left a scratch file in the documents folder"
    [ "$(ls -A "$install" | tr '\n' ' ')" = "LICENSE.txt murax-list.exe murax.exe uninstall.exe " ] \
        || fail "the install folder holds $(ls -A "$install" | tr '\n' ' ')"
}

case "$case_name" in
zip) check_zip ;;
installer) check_installer ;;
installed_hex_editor) check_installed_hex_editor ;;
*) unknown_case ;;
esac
finish_case
