#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# murax-list.exe under Wine against the Linux murax-list: the same listing, byte for byte, and the
# same exit status on every tape of the corpus, one file at a time and all together; a name that
# is not ASCII works; --disassemble writes the same source; --extract refuses to write the tape it
# reads and writes to standard output and NUL; --wav writes the same sound, to a file and to
# standard output, and never over the tape; and the program stands alone (no DLL of the
# compiler's beside it).
# Usage: windows_listing_test.sh MURAX_LIST_EXE LINUX_MURAX_LIST SOURCE_DIR
set -uo pipefail

windows_lister=$1
linux_lister=$2
source_dir=$3

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export LC_ALL=C.UTF-8 WINEDEBUG=-all
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The corpus: the sample tape, tapes made by zmakebas and pasmo, and crafted ones: an empty
# file, a lone data block, a block cut short, headers whose names hold every byte value, and TZX
# tapes.
corpus="$scratch/corpus"
mkdir "$corpus"
cp "$source_dir/resources/sample/murax-demo.tap" "$corpus/"
printf '10 PRINT "HELLO"\n20 GO TO 10\n' >"$scratch/loader.bas"
zmakebas -a 10 -n loader -o "$corpus/zmakebas.tap" "$scratch/loader.bas"
printf 'org 32768\nld a,2\nret\nend 32768\n' >"$scratch/code.asm"
pasmo --tap "$scratch/code.asm" "$corpus/pasmo.tap" >/dev/null
: >"$corpus/empty.tap"
printf '\x05\x00\xff\x01\x02\x03\xff' >"$corpus/lone.tap"
printf '\x13\x00\x00\x03abc' >"$corpus/cut-short.tap"
perl -e '
    for my $n (0 .. 25) {
        my $name = join "", map { chr(($n * 10 + $_) % 256) } 0 .. 9;
        my $header = pack("CC", 0, $n % 5) . $name . pack("vvv", 3, 10 + $n, 32768);
        my $x = 0; $x ^= ord($_) for split //, $header;
        print pack("v", length($header) + 1), $header, chr($x);
        print pack("v", 5), "\xff\x01\x02\x03\xff";
    }' >"$corpus/every-byte.tap"
cp "$corpus/lone.tap" "$corpus/tapé €.tap"
# TZX tapes: pasmo's, a crafted one with a block passed over and one not converted, one cut short.
pasmo --tzxbas "$scratch/code.asm" "$corpus/pasmo.tzx" >/dev/null
printf 'ZXTape!\x1a\x01\x14\x30\x04text\x10\xe8\x03\x05\x00\xff\x01\x02\x03\xff\x12\x78\x08\x10\x00' \
    >"$corpus/crafted.tzx"
head -c 20 "$corpus/crafted.tzx" >"$corpus/cut-short.tzx"

# Runs both listers in the corpus folder on the given names; compares what they print.
compare() {
    (cd "$corpus" && "$linux_lister" "$@" >"$scratch/linux.out" 2>"$scratch/linux.err")
    linux_status=$?
    (cd "$corpus" && wine "$windows_lister" "$@" >"$scratch/windows.out" 2>"$scratch/windows.err")
    windows_status=$?
    cmp -s "$scratch/linux.out" "$scratch/windows.out" ||
        fail "listing of $* differs: $(diff <(od -c "$scratch/linux.out") <(od -c "$scratch/windows.out") | head -5)"
    [ "$linux_status" -eq "$windows_status" ] ||
        fail "exit status of $*: Linux $linux_status, Windows $windows_status"
}

names=()
for tape in "$corpus"/*; do
    name=$(basename "$tape")
    names+=("$name")
    compare "$name"
done
compare "${names[@]}"
compare --version
compare --help

# A file that is missing: the same listing of the others and status, and one message.
compare murax-demo.tap missing.tap
[ "$(wc -l <"$scratch/windows.err")" -eq 1 ] && grep -q "cannot read missing.tap: " "$scratch/windows.err" ||
    fail "no message naming the missing file: $(cat "$scratch/windows.err")"

# An output that is the tape being read, by any name (another case, a hard link, a symbolic link),
# is refused and the tape kept; standard output and the NUL device take the bytes.
work="$scratch/work"
mkdir "$work"
cp "$corpus/murax-demo.tap" "$work/self.tap"
ln "$work/self.tap" "$work/hard.tap"
ln -s self.tap "$work/soft.tap"
run_windows() { (cd "$work" && wine "$windows_lister" "$@" >"$scratch/windows.out" 2>"$scratch/windows.err"); }
for output in self.tap SELF.TAP hard.tap soft.tap; do
    run_windows --extract 1 -o "$output" self.tap
    status=$?
    [ "$status" -eq 1 ] && grep -qF "cannot write $output: it is the tape being read" "$scratch/windows.err" ||
        fail "-o $output onto the tape read: status $status, $(cat "$scratch/windows.err")"
    cmp -s "$corpus/murax-demo.tap" "$work/self.tap" || fail "-o $output changed the tape"
done
run_windows --extract 3 -o - self.tap
status=$?
"$linux_lister" --extract 3 -o - "$work/self.tap" >"$scratch/linux.out"
[ "$status" -eq 0 ] && cmp -s "$scratch/linux.out" "$scratch/windows.out" ||
    fail "-o - gave status $status and other bytes: $(cat "$scratch/windows.err")"
run_windows --disassemble 2 self.tap
status=$?
"$linux_lister" --disassemble 2 "$work/self.tap" >"$scratch/linux.out"
[ "$status" -eq 0 ] && cmp -s "$scratch/linux.out" "$scratch/windows.out" ||
    fail "--disassemble gave status $status and other text: $(cat "$scratch/windows.err")"
run_windows --extract 3 -o NUL self.tap
status=$?
[ "$status" -eq 0 ] && [ ! -s "$scratch/windows.err" ] ||
    fail "-o NUL: status $status, $(cat "$scratch/windows.err")"

# The sound, written as the file is replaced and to standard output, is the Linux build's.
"$linux_lister" --wav --entries 3,1 --rate 22050 --bits 8 -o "$scratch/linux.wav" "$work/self.tap"
run_windows --wav --entries 3,1 --rate 22050 --bits 8 -o sound.wav self.tap
status=$?
[ "$status" -eq 0 ] && cmp -s "$scratch/linux.wav" "$work/sound.wav" ||
    fail "--wav gave status $status and another sound: $(cat "$scratch/windows.err")"
run_windows --wav --entries 3,1 --rate 22050 --bits 8 -o - self.tap
status=$?
[ "$status" -eq 0 ] && cmp -s "$scratch/linux.wav" "$scratch/windows.out" ||
    fail "--wav -o - gave status $status and another sound: $(cat "$scratch/windows.err")"
run_windows --wav -o SELF.TAP self.tap
status=$?
[ "$status" -eq 1 ] && grep -qF "must go to another file than the tape itself" "$scratch/windows.err" ||
    fail "--wav -o SELF.TAP onto the tape read: status $status, $(cat "$scratch/windows.err")"
cmp -s "$corpus/murax-demo.tap" "$work/self.tap" || fail "--wav -o SELF.TAP changed the tape"

# Standard output opened on the tape being read is refused as a named output is. The redirection
# is the Windows command interpreter's: Wine cannot tell which file a descriptor that the shell
# hands it is.
windows_lister_path=$(winepath -w "$windows_lister" 2>/dev/null)
for arguments in "--extract 1 -o -" "--wav -o -" "--hex 1"; do
    (cd "$work" && wine cmd /c "$windows_lister_path $arguments self.tap >>self.tap" 2>"$scratch/windows.err")
    status=$?
    [ "$status" -eq 1 ] && grep -qF "self.tap: " "$scratch/windows.err" ||
        fail "$arguments into the tape read: status $status, $(cat "$scratch/windows.err")"
    cmp -s "$corpus/murax-demo.tap" "$work/self.tap" || fail "$arguments changed the tape through standard output"
done

# That it stands alone, importing only the system's DLLs, is windows_programs_stand_alone's check.

echo "$((${#names[@]} + 4)) comparisons and the outputs of --extract, --disassemble and --wav, $failures failed"
[ "$failures" -eq 0 ]
