#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that Murax needs and that are missing; installs nothing when all
# are there. Runs apt-get as root, through sudo when started by another user.
#
# Usage: tools/setup-deps.sh run      what building and running the editor needs
#        tools/setup-deps.sh test     that, plus everything the whole test suite uses
#        tools/setup-deps.sh windows  what the Windows build and its tests under Wine use
set -euo pipefail

# Building and running: the compiler and build tools, Qt 6 Widgets with its platform plugins
# (xcb for a desktop, offscreen for the tests), the fonts the window is laid out for, GoogleTest
# (the build configures the tests), and xdg-utils for Run, with libfile-mimeinfo-perl so that
# xdg-open knows a TAP file by its MIME type even without a desktop environment (otherwise it asks
# `file`, which calls it application/octet-stream, and the tape goes to a web browser). libpng,
# found through pkg-config, writes murax-list's screen pictures. Qt Multimedia plays a tape
# through the sound card.
run_packages=(
    g++ cmake ninja-build ccache pkg-config libpng-dev
    qt6-base-dev qt6-qpa-plugins qt6-multimedia-dev
    fonts-liberation fonts-dejavu-core
    libgtest-dev
    xdg-utils libfile-mimeinfo-perl
)

# Testing: benchmarks, tapes made by other tools (zmakebas, pasmo, fuse-emulator-utils for tzxlist,
# listbasic and tapeconv), z80dasm to hold the disassembler against, clang 16 with its runtime for
# the fuzz target (clang 14 lacks std::source_location), the desktop, AppStream and packaging checks (lintian), and Xvfb for the
# screenshot (imagemagick also reads murax-list's screen pictures back), and clang-format for the
# sources' format. A PulseAudio server with a null sink (and its parecord) takes what Play sends to
# the sound card, to be read back.
test_packages=(
    libbenchmark-dev
    zmakebas pasmo fuse-emulator-utils z80dasm
    clang-16 libclang-rt-16-dev clang-format
    desktop-file-utils shared-mime-info appstream
    dpkg-dev file lintian
    man-db
    xvfb xauth x11-utils imagemagick
    pulseaudio pulseaudio-utils
)

# Windows: the mingw-w64 cross compiler, GoogleTest's sources to build for it, Wine to run what it
# builds and Xvfb for the windows it opens; zmakebas and pasmo make tapes for murax-list.exe's
# comparison; nsis makes the installer, and unzip reads the zip back. PulseAudio gives Wine's
# wave output a sound card (a null sink) to play into.
windows_packages=(
    g++-mingw-w64-x86-64-posix googletest
    wine wine64 xvfb xauth pulseaudio
    zmakebas pasmo
    nsis unzip
)

case "${1:-}" in
    run) wanted=("${run_packages[@]}") ;;
    test) wanted=("${run_packages[@]}" "${test_packages[@]}") ;;
    windows) wanted=("${windows_packages[@]}") ;;
    *) echo "usage: $0 run|test|windows" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "setup-deps: every package is installed"
    exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "setup-deps: run as root or install sudo; missing: ${missing[*]}" >&2; exit 1; }
    as_root=(sudo)
fi

echo "setup-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
