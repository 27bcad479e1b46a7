#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the bundled sample tape resources/sample/murax-demo.tap from the sources beside it:
#   loader.bas  -> a program header + its BASIC data         (zmakebas)
#   stripes.asm -> a bytes header + its machine code at 32768 (pasmo --tap)
#   colours.asm -> a lone headerless data block               (pasmo --bin, framed here)
# The loader loads and starts the code, which reads the headerless block with the ROM's LD-BYTES,
# so every kind of list line (Program, Bytes, Data block) shows. The output is deterministic.
#
# Usage: tools/make_sample_tape.sh [output.tap]
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
src="$here/resources/sample"
out=${1:-"$src/murax-demo.tap"}

for tool in zmakebas pasmo od; do
    command -v "$tool" >/dev/null || { echo "make_sample_tape: $tool is missing (apt-get install zmakebas pasmo)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One framed TAP block: the 16-bit little-endian length, the flag byte, the payload and the XOR
# of flag and payload.
frame_block() {  # flag payload-file output-file
    local flag=$1 payload=$2 output=$3
    local size checksum=$flag byte
    size=$(( $(stat -c %s "$payload") + 2 ))
    for byte in $(od -An -v -tu1 "$payload"); do
        checksum=$(( checksum ^ byte ))
    done
    printf "\\x$(printf %02x $(( size & 255 )))\\x$(printf %02x $(( size >> 8 )))" >"$output"
    printf "\\x$(printf %02x "$flag")" >>"$output"
    cat "$payload" >>"$output"
    printf "\\x$(printf %02x "$checksum")" >>"$output"
}

zmakebas -a 10 -n "murax" -o "$work/loader.tap" "$src/loader.bas"
pasmo --tap --name "stripes" "$src/stripes.asm" "$work/stripes.tap" >/dev/null
pasmo --bin "$src/colours.asm" "$work/colours.bin" >/dev/null
frame_block 255 "$work/colours.bin" "$work/colours.tap"

cat "$work/loader.tap" "$work/stripes.tap" "$work/colours.tap" >"$work/murax-demo.tap"
mv "$work/murax-demo.tap" "$out"
echo "wrote $out ($(stat -c %s "$out") bytes)"
