#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the fuzzer's seed corpus, fuzz/corpus/: small tapes of every shape the loader meets, made
# here byte by byte or by Debian's zmakebas and pasmo. The output is deterministic; the files are
# kept in the repository so the fuzz test needs neither tool.
#
# Usage: fuzz/make_corpus.sh [output-folder]
set -euo pipefail
export LC_ALL=C

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-"$here/corpus"}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Bytes written from hex digit pairs separated by spaces: bytes "13 00 00 03" > file
bytes() {
    local pair
    for pair in "$@"; do printf "\\x$pair"; done
}

# A standard header (type, 10-byte name, data length, parameter 1, parameter 2) with its
# checksum, framed: header TYPE NAME LENGTH PARAM1
header() {
    local type=$1 name=$2 length=$3 param=$4
    local block=(00 "$(printf %02x "$type")")
    local i c
    for ((i = 0; i < 10; i++)); do
        c=${name:i:1}
        block+=("$(printf %02x "'${c:- }")")
    done
    block+=("$(printf %02x $((length & 255)))" "$(printf %02x $((length >> 8)))")
    block+=("$(printf %02x $((param & 255)))" "$(printf %02x $((param >> 8)))" 00 80)
    local x=0 b
    for b in "${block[@]}"; do x=$((x ^ 16#$b)); done
    bytes 13 00 "${block[@]}" "$(printf %02x $x)"
}

# A data block with flag 0xFF, the payload bytes given, and its checksum, framed.
data() {
    local x=255 b
    for b in "$@"; do x=$((x ^ 16#$b)); done
    local n=$(($# + 2))
    bytes "$(printf %02x $((n & 255)))" "$(printf %02x $((n >> 8)))" ff "$@" "$(printf %02x $x)"
}

: >"$out/empty.tap"
{ header 3 screen 4 16384; data 01 02 03 04; } >"$out/bytes-with-data.tap"
header 0 lonely 10 10 >"$out/header-alone.tap"
{ header 0 first 3 1; header 3 second 3 32768; data 0a 0b 0c; } >"$out/two-headers.tap"
{ header 7 oddtype 2 65535; data aa bb; } >"$out/odd-type.tap"
{ header 3 cut 300 40000; bytes 2e 01 ff 01 02 03; } >"$out/cut-in-data.tap"
bytes 13 00 00 03 41 42 >"$out/cut-in-header.tap"
bytes 03 00 00 05 06 04 00 ff 01 02 >"$out/short-header.tap"
bytes 00 00 >"$out/zero-length-block.tap"
bytes 00 00 ff 09 >"$out/zero-length-then-bytes.tap"
bytes 07 >"$out/one-byte.tap"
{ header 3 "$(printf 'n\001m\177\200\217\377')" 1 0; data 00; } >"$out/name-bytes.tap"
{ data e5; } >"$out/ends-in-1a.tap"
{ header 1 numbers 5 0; data 01 00 00 00 00; header 2 chars 2 0; data 41 42; data; } \
    >"$out/arrays-and-empty-data.tap"
# For murax-list's fuzz target: a recipe for a tape larger than a pipe holds, whose wanted entry
# comes early, so that the reader stops while the writer still has bytes for the pipe.
bytes 1b 00 ba ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff \
    ff ff 00 00 00 00 00 ff ff ff ff ff ff ff ff ff ff f7 ff ff ff ff ff ff ff ff 7f ff ff ff ff ff \
    ff ff ff ff ff e0 ff ff ff 00 00 00 00 ff ff 42 09 ff 04 >"$out/reader-stops-early.tap"

if command -v zmakebas >/dev/null && command -v pasmo >/dev/null; then
    printf '10 PRINT "MURAX"\n20 GO TO 10\n' >"$work/loop.bas"
    zmakebas -a 10 -n loop -o "$out/zmakebas-program.tap" "$work/loop.bas"
    printf '\tORG 32768\n\tLD A,2\n\tOUT (254),A\n\tRET\n' >"$work/border.asm"
    pasmo --tap --name border "$work/border.asm" "$out/pasmo-code.tap" >/dev/null
    cat "$out/zmakebas-program.tap" "$out/pasmo-code.tap" >"$out/basic-and-code.tap"
else
    echo "make_corpus: zmakebas or pasmo missing; their seeds are left as they are" >&2
fi
