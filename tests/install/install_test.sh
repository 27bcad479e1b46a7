#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs Murax into scratch folders (never into the system) and checks what a desktop sees:
# the installed files, the desktop entry, the software centres' metadata, the MIME database and
# the Debian package.
# Usage: install_test.sh CASE BUILD_DIR SOURCE_DIR TAP_MIME_TYPE OWN_MIME_TYPE(ON|OFF) [MIME_PROBE]
set -uo pipefail

case_name=$1
build_dir=$2
source_dir=$3
tap_type=$4
own_type=$5
probe=${6:-}

source "$(dirname "${BASH_SOURCE[0]}")/../support/helpers/shell_checks.sh"
# Nothing here may read or write the real user's settings.
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" XDG_DATA_HOME="$scratch/home/.local/share"
export XDG_DATA_DIRS="$scratch/none"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
# No desktop session either: xdg-mime then reads the freedesktop files under the folders above.
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION KDE_SESSION_VERSION GNOME_DESKTOP_SESSION_ID \
      DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS

require() { command -v "$1" >/dev/null || { echo "FAIL: $1 is missing (tools/setup-deps.sh test installs it)" >&2; exit 1; }; }

expected_files() {
    if [ "$own_type" = ON ]; then
        cat "$source_dir/tests/install/expected-install.txt"
    else
        grep -v '^share/mime/' "$source_dir/tests/install/expected-install.txt"
    fi
}

# Lists every file and link under $1, relative to it, sorted.
files_under() { (cd "$1" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort); }

install_into() {  # prefix
    cmake --install "$build_dir" --prefix "$1" >"$scratch/install.log" 2>&1 \
        || { cat "$scratch/install.log" >&2; fail "cmake --install failed"; return 1; }
}

# The installed lister lists the installed sample tape exactly as the editor would.
check_lister_in() {  # prefix
    local prefix=$1
    if ! "$prefix/bin/murax-list" "$prefix/share/murax/murax-demo.tap" >"$scratch/listing"; then
        fail "the installed murax-list failed on the installed sample tape"
    fi
    diff -u "$source_dir/tests/lister/murax-demo.listing" "$scratch/listing" >&2 \
        || fail "the installed sample tape lists differently"
}

case "$case_name" in
tree)
    prefix="$scratch/prefix"
    install_into "$prefix" || exit 1
    expected_files >"$scratch/expected"
    files_under "$prefix" >"$scratch/actual"
    diff -u "$scratch/expected" "$scratch/actual" >&2 || fail "installed files differ from the expected list"
    for program in murax murax-list; do
        [ -x "$prefix/bin/$program" ] || fail "$program is not installed as an executable"
    done
    cmp -s "$source_dir/resources/sample/murax-demo.tap" "$prefix/share/murax/murax-demo.tap" \
        || fail "the installed sample tape differs from the bundled one"
    for size in 16 32 48 64 128 256; do
        icon="$prefix/share/icons/hicolor/${size}x${size}/apps/murax.png"
        # A PNG's width and height are the big-endian words at bytes 16 and 20.
        dims=$(od -An -v -tu1 -j16 -N8 "$icon" 2>/dev/null | tr -s ' ' | sed 's/^ //')
        [ "$dims" = "0 0 $((size >> 8)) $((size & 255)) 0 0 $((size >> 8)) $((size & 255))" ] \
            || fail "icon $size x $size has the wrong size ($dims)"
    done
    # The desktop icons are rendered from the window icon's drawing; at its own size they are the
    # same picture, so a changed drawing with stale desktop icons shows here.
    cmp -s "$source_dir/resources/icons/ICONA.png" "$prefix/share/icons/hicolor/32x32/apps/murax.png" \
        || fail "the desktop icons are older than the window icon: run tools/make_hicolor_icons.py"
    for page in murax murax-list; do
        LC_ALL=C.UTF-8 man --warnings -l "$prefix/share/man/man1/$page.1.gz" >/dev/null 2>"$scratch/man.err" \
            || fail "man page $page does not format"
        [ ! -s "$scratch/man.err" ] || fail "man page $page warns: $(cat "$scratch/man.err")"
    done
    cmp -s "$source_dir/packaging/copyright" "$prefix/share/doc/murax/copyright" \
        || fail "the installed copyright file differs from packaging/copyright"
    check_lister_in "$prefix"
    ;;

metainfo)
    require appstreamcli
    prefix="$scratch/prefix"
    install_into "$prefix" || exit 1
    metainfo="$prefix/share/metainfo/murax.metainfo.xml"
    # Offline: the screenshot's address is checked as an address, not fetched.
    appstreamcli validate --no-net --explain "$metainfo" >"$scratch/validate" 2>&1 \
        || fail "appstreamcli validate: $(cat "$scratch/validate")"
    # The element's text, for elements that stand on one line.
    element() { sed -n "s|.*<$1\( [^>]*\)\{0,1\}>\([^<]*\)</$1>.*|\2|p" "$metainfo"; }
    [ "$(element binary | LC_ALL=C sort)" = "$(ls "$prefix/bin" | LC_ALL=C sort)" ] \
        || fail "the binaries provided ($(element binary | tr '\n' ' ')) are not the installed programs"
    [ "$(element mediatype)" = "$tap_type" ] || fail "the media type is '$(element mediatype)', expected $tap_type"
    [ -f "$prefix/share/applications/$(element launchable)" ] \
        || fail "the launchable '$(element launchable)' names no installed desktop entry"
    [ "$(element project_license)" = GPL-3.0-or-later ] || fail "the licence is '$(element project_license)'"
    [ "$(element image | sed 's|.*/||')" = screenshot.png ] || fail "the screenshot is '$(element image)'"
    release=$(sed -n 's|.*<release version="\([^"]*\)".*|\1|p' "$metainfo" | head -n 1)
    version=$("$prefix/bin/murax" --version) || fail "murax --version failed"
    [ "Murax $release" = "$version" ] || fail "the release is '$release' but murax --version says '$version'"
    ;;

desktop_entry)
    require desktop-file-validate
    prefix="$scratch/prefix"
    install_into "$prefix" || exit 1
    entry="$prefix/share/applications/murax.desktop"
    desktop-file-validate "$entry" >"$scratch/validate" 2>&1 || fail "desktop-file-validate: $(cat "$scratch/validate")"
    [ ! -s "$scratch/validate" ] || fail "desktop-file-validate has remarks: $(cat "$scratch/validate")"
    value() { sed -n "s/^$1=//p" "$entry"; }
    [ "$(value Exec)" = "murax %f" ] || fail "Exec is '$(value Exec)'"
    [ "$(value Type)" = "Application" ] || fail "Type is '$(value Type)'"
    [ "$(value MimeType)" = "$tap_type;" ] || fail "MimeType is '$(value MimeType)', expected '$tap_type;'"
    icon=$(value Icon)
    [ -f "$prefix/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "Icon '$icon' names no installed icon"
    for key in Name Comment Categories; do
        [ -n "$(value $key)" ] || fail "$key is missing"
    done
    ;;

mime)
    require update-mime-database
    require update-desktop-database
    require xdg-mime
    require mimetype
    [ -x "$probe" ] || { echo "FAIL: no MIME probe" >&2; exit 1; }
    prefix="$scratch/prefix"
    install_into "$prefix" || exit 1
    # The user's own data folder takes the installed files, as a per-user install would.
    mkdir -p "$XDG_DATA_HOME/mime/packages" "$XDG_DATA_HOME/applications"
    if [ "$own_type" = ON ]; then
        cp "$prefix/share/mime/packages/murax.xml" "$XDG_DATA_HOME/mime/packages/"
        update-mime-database "$XDG_DATA_HOME/mime" || fail "update-mime-database rejects the definition"
    fi
    cp "$prefix/share/applications/murax.desktop" "$XDG_DATA_HOME/applications/"
    update-desktop-database "$XDG_DATA_HOME/applications" || fail "update-desktop-database failed"

    # The system's types are there too, as on a desktop; the programs below are only the scratch ones.
    XDG_DATA_DIRS=/usr/share "$probe" game.tap GAME.TAP "my game.tap" game.tzx >"$scratch/types"
    printf '%s\n' "$tap_type" "$tap_type" "$tap_type" >"$scratch/expected"
    head -n 3 "$scratch/types" | diff -u "$scratch/expected" - >&2 || fail "a .tap file is not of type $tap_type"
    [ "$(sed -n 4p "$scratch/types")" != "$tap_type" ] || fail "a .tzx file was taken for a TAP file"

    # Without a desktop environment xdg-open takes the type xdg-mime tells, which comes from the MIME
    # database only through libfile-mimeinfo-perl's mimetype (file(1) says application/octet-stream).
    cp "$prefix/share/murax/murax-demo.tap" "$scratch/game.tap"
    [ "$(XDG_DATA_DIRS=/usr/share xdg-mime query filetype "$scratch/game.tap")" = "$tap_type" ] \
        || fail "with no desktop environment xdg-mime says a .tap file is of type" \
                "$(XDG_DATA_DIRS=/usr/share xdg-mime query filetype "$scratch/game.tap")"

    # Murax is offered for the type; an emulator made the default takes Run and the double-click.
    [ "$(xdg-mime query default "$tap_type")" = "murax.desktop" ] \
        || fail "Murax is not among the programs for $tap_type"
    cat >"$XDG_DATA_HOME/applications/test-emulator.desktop" <<EOF
[Desktop Entry]
Type=Application
Name=Test emulator
Exec=true %f
MimeType=$tap_type;
EOF
    update-desktop-database "$XDG_DATA_HOME/applications"
    xdg-mime default test-emulator.desktop "$tap_type"
    [ "$(xdg-mime query default "$tap_type")" = "test-emulator.desktop" ] \
        || fail "the emulator made the default with xdg-mime is not the default"
    grep -q "murax.desktop" "$XDG_DATA_HOME/applications/mimeinfo.cache" \
        || fail "Murax is no longer offered once an emulator is the default"
    ;;

package)
    require cpack
    require dpkg-deb
    require dpkg-parsechangelog
    require lintian
    (cd "$scratch" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1) \
        || { cat "$scratch/cpack.log" >&2; fail "cpack failed"; exit 1; }
    deb=$(ls "$scratch"/out/murax_*.deb 2>/dev/null | head -n 1)
    [ -n "$deb" ] || { fail "cpack made no .deb"; exit 1; }

    field() { dpkg-deb -f "$deb" "$1"; }
    [ "$(field Package)" = murax ] || fail "Package is '$(field Package)'"
    [ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(field Architecture)'"
    depends=$(field Depends)
    for needed in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6 qt6-qpa-plugins fonts-liberation fonts-dejavu-core; do
        echo "$depends" | tr ',' '\n' | sed 's/^ *//; s/ .*//' | grep -Fxq "$needed" || fail "Depends lacks $needed: $depends"
    done

    # The package holds exactly what the install holds, under /usr.
    dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $NF}' | sed 's|^\./usr/||' | LC_ALL=C sort >"$scratch/contents"
    expected_files >"$scratch/expected"
    diff -u "$scratch/expected" "$scratch/contents" >&2 || fail "package contents differ from the expected list"

    # Run without a desktop environment needs xdg-open to read the shared MIME database.
    echo "$(field Recommends)" | tr ',' '\n' | sed 's/^ *//; s/ .*//' | grep -Fxq libfile-mimeinfo-perl \
        || fail "Recommends lacks libfile-mimeinfo-perl: $(field Recommends)"

    dpkg-deb -x "$deb" "$scratch/root" || fail "the package does not unpack"
    check_lister_in "$scratch/root/usr"

    # The changelog's latest entry is this version (lintian checks its form, not its version).
    zcat "$scratch/root/usr/share/doc/murax/changelog.gz" >"$scratch/changelog" || fail "changelog.gz does not unpack"
    logged=$(dpkg-parsechangelog -l "$scratch/changelog" -S Version 2>&1)
    [ "$logged" = "$(field Version)" ] || fail "the changelog's latest version is '$logged', the package's $(field Version)"

    # lintian: no error and no warning. Tags overridden by the package's own override file
    # (usr/share/lintian/overrides/murax, a comment saying why before each) do not count; the
    # package needs none today.
    lintian --fail-on error,warning "$deb" >"$scratch/lintian" 2>"$scratch/lintian.err"
    status=$?
    if [ "$status" -ne 0 ] || grep -q '^[EW]: ' "$scratch/lintian"; then
        fail "lintian (status $status): $(cat "$scratch/lintian" "$scratch/lintian.err")"
    fi

    # Whether apt would install it here: the dependencies resolve, and nothing is installed.
    if command -v apt-get >/dev/null; then
        apt-get -s -q install "$deb" >"$scratch/apt" 2>&1 || fail "apt-get cannot install the package: $(cat "$scratch/apt")"
        grep -q "^Inst murax " "$scratch/apt" || grep -q "^Conf murax " "$scratch/apt" \
            || fail "apt-get would not install murax: $(cat "$scratch/apt")"
    fi
    ;;

*)
    unknown_case
    ;;
esac

finish_case
