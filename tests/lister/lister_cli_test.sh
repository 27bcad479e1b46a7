#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the murax-list program as a user would and checks its output, messages and exit status.
# Usage: lister_cli_test.sh CASE MURAX_LIST SOURCE_DIR VERSION
set -uo pipefail

case_name=$1
lister=$2
source_dir=$3
version=$4

sample="$source_dir/resources/sample/murax-demo.tap"
expected_sample="$source_dir/tests/lister/murax-demo.listing"

source "$(dirname "${BASH_SOURCE[0]}")/../support/helpers/shell_checks.sh"
export LC_ALL=C.UTF-8

# Runs the lister with the given arguments; leaves stdout, stderr and the exit status behind.
run() {
    "$lister" "$@" >"$scratch/out" 2>"$scratch/err"
    status=$?
}

expect_status() { [ "$status" -eq "$1" ] || fail "exit status $status, expected $1 (${2:-})"; }
expect_no_stderr() { [ ! -s "$scratch/err" ] || fail "unexpected message: $(cat "$scratch/err")"; }
expect_stdout() {  # file holding the exact expected output
    diff -u "$1" "$scratch/out" >&2 || fail "output differs from $1"
}

# A lone data block whose length field is 5: flag, three bytes, checksum.
printf '\x05\x00\xff\x01\x02\x03\xff' >"$scratch/lone.tap"
lone_line="              Data block                           3"

case "$case_name" in
sample_tape)
    run "$sample"
    expect_status 0 "sample tape"
    expect_no_stderr
    expect_stdout "$expected_sample"
    ;;

two_files)
    : >"$scratch/empty.tap"
    run "$sample" "$scratch/lone.tap" "$scratch/empty.tap"
    expect_status 0 "three readable files"
    expect_no_stderr
    {
        echo "$sample:"
        cat "$expected_sample"
        echo
        echo "$scratch/lone.tap:"
        echo "$lone_line"
        echo
        echo "$scratch/empty.tap:"
    } >"$scratch/expected"
    expect_stdout "$scratch/expected"

    # One file alone gets no name line.
    run "$scratch/lone.tap"
    expect_status 0 "one file"
    echo "$lone_line" >"$scratch/expected"
    expect_stdout "$scratch/expected"
    ;;

unreadable_files)
    mkdir "$scratch/folder.tap"
    run "$scratch/missing.tap" "$sample" /proc/self/mem "$scratch/folder.tap" "$scratch/lone.tap"
    expect_status 1 "some files unreadable"
    # The readable files are still listed, each after its name, and nothing is listed for the others.
    {
        echo "$sample:"
        cat "$expected_sample"
        echo
        echo "$scratch/lone.tap:"
        echo "$lone_line"
    } >"$scratch/expected"
    expect_stdout "$scratch/expected"
    [ "$(wc -l <"$scratch/err")" -eq 3 ] || fail "expected one message per unreadable file: $(cat "$scratch/err")"
    grep -q "missing.tap: No such file or directory" "$scratch/err" || fail "no reason for the missing file"
    grep -q "/proc/self/mem: Input/output error" "$scratch/err" || fail "no reason for the unreadable file"
    grep -q "folder.tap: Is a directory" "$scratch/err" || fail "no reason for the folder"

    run "$scratch/missing.tap"
    expect_status 1 "only file missing"
    [ ! -s "$scratch/out" ] || fail "output for a missing file: $(cat "$scratch/out")"
    ;;

options)
    run --help
    expect_status 0 "--help"
    expect_no_stderr
    head -n 1 "$scratch/out" | grep -q "^Usage: murax-list .*FILE" || fail "--help shows no usage line"
    wide=$(awk 'length > 80' "$scratch/out")
    [ -z "$wide" ] || fail "--help has lines wider than a terminal's 80 columns: $wide"

    run --version
    expect_status 0 "--version"
    echo "murax-list $version" >"$scratch/expected"
    expect_stdout "$scratch/expected"

    run
    expect_status 2 "no file"
    grep -q "no file given" "$scratch/err" || fail "no message without a file"

    run --frobnicate "$sample"
    expect_status 2 "unknown option"
    [ ! -s "$scratch/out" ] || fail "listing despite an unknown option"
    grep -q -- "unknown option --frobnicate" "$scratch/err" || fail "unknown option not named"

    # After "--" a name that looks like an option is a file.
    cp "$scratch/lone.tap" "$scratch/--help"
    (cd "$scratch" && "$lister" -- --help >"$scratch/out" 2>"$scratch/err")
    status=$?
    expect_status 0 "file named --help after --"
    echo "$lone_line" >"$scratch/expected"
    expect_stdout "$scratch/expected"
    ;;

man_synopsis)
    # The manual's synopsis shows every form of the command that --help shows after "or:".
    command -v man >/dev/null || { echo "FAIL: man is missing (tools/setup-deps.sh test installs it)" >&2; exit 1; }
    run --help
    MANWIDTH=200 man -l "$source_dir/packaging/murax-list.1" 2>/dev/null |
        sed -n '/^SYNOPSIS/,/^DESCRIPTION/p' | sed 's/^ *//' | tr 'A-Z' 'a-z' >"$scratch/synopsis"
    forms=0
    while read -r form; do
        forms=$((forms + 1))
        grep -qxF -- "$form" "$scratch/synopsis" || fail "the manual's synopsis lacks '$form'"
    done < <(sed -n 's/^ *or: *//p' "$scratch/out" | tr 'A-Z' 'a-z')
    [ "$forms" -eq 5 ] || fail "expected five forms after 'or:' in --help, found $forms"
    ;;

write_failure)
    # Each mode names what it could not write to standard output, with the system's reason.
    printf '\x13\x00\x00\x03screen    \x00\x1b\x00\x40\x00\x80\x00\x02\x1b\xff' >"$scratch/screen.tap"
    head -c 6913 /dev/zero >>"$scratch/screen.tap"
    while IFS='|' read -r what tape arguments; do
        # shellcheck disable=SC2086
        "$lister" $arguments "$tape" >/dev/full 2>"$scratch/err"
        status=$?
        expect_status 1 "$what written to a full device"
        grep -qx "murax-list: cannot write $what to standard output: No space left on device" "$scratch/err" ||
            fail "$arguments to a full device: $(cat "$scratch/err")"
    done <<EOF_CASES
the listing|$sample|
the listing|$sample|--check
the BASIC listing|$sample|--basic 1
the hex dump|$sample|--hex 1
the data bytes|$sample|--extract 1 -o -
the sound|$sample|--wav -o -
EOF_CASES
    if "$lister" --help | grep -q -- --screen && "$lister" --screen 1 -o /dev/null "$scratch/screen.tap" 2>/dev/null; then
        "$lister" --screen 1 -o - "$scratch/screen.tap" >/dev/full 2>"$scratch/err"
        grep -qx "murax-list: cannot write the picture to standard output: No space left on device" "$scratch/err" ||
            fail "--screen to a full device: $(cat "$scratch/err")"
    fi
    ;;

standard_output_is_the_tape)
    # Standard output opened on the tape being read, to replace it or to append to it, is
    # refused as an output named after the tape is, in every mode; the tape stays as it was.
    printf 'ZXTape!\x1a\x01\x14\x10\xe8\x03\x05\x00\xff\x01\x02\x03\xff' >"$scratch/x.tzx"
    cp "$sample" "$scratch/t.tap"
    while IFS='|' read -r tape redirect arguments; do
        cp "$scratch/$tape" "$scratch/before"
        case "$redirect" in
        '1<>') (cd "$scratch" && "$lister" $arguments "$tape" 1<>"$tape" 2>"$scratch/err") ;;
        '>>') (cd "$scratch" && "$lister" $arguments "$tape" >>"$tape" 2>"$scratch/err") ;;
        esac
        status=$?
        expect_status 1 "$arguments $tape $redirect $tape"
        grep -q "murax-list: $tape: .*\(the tape being read\|the tape itself\|standard output is this tape\)" "$scratch/err" ||
            fail "$arguments $tape $redirect $tape not refused: $(cat "$scratch/err")"
        cmp -s "$scratch/before" "$scratch/$tape" || fail "$arguments $tape $redirect $tape changed the tape"
    done <<EOF_CASES
t.tap|1<>|--extract 1 -o -
x.tzx|1<>|--to-tap -o -
t.tap|>>|--wav -o -
t.tap|>>|--hex 1
t.tap|>>|--basic 1
t.tap|>>|
x.tzx|>>|--check
EOF_CASES
    # Another file on standard output is written as before.
    (cd "$scratch" && "$lister" --extract 1 -o - t.tap >copy.bin 2>"$scratch/err")
    status=$?
    expect_status 0 "--extract 1 -o - into another file"
    ;;

name_bytes)
    # A program header whose name holds the bytes the ANSI code page shows as characters (0xE9,
    # 0x80, 0xAD) and some it leaves undefined or unprintable (0x7F, 0x8F, 0x00, 0x0D), followed by
    # its data block.
    {
        printf '\x13\x00\x00\x00'
        printf 'A\x7f\x8f\x00\x0d\xe9\x80\xadZ '
        printf '\x02\x00\x0a\x00\x02\x00\x00'
        printf '\x04\x00\xff\x41\x42\x00'
    } >"$scratch/names.tap"
    run "$scratch/names.tap"
    expect_status 0 "name bytes"
    expect_no_stderr
    line=$(head -n 1 "$scratch/out")
    [ "$(wc -l <"$scratch/out")" -eq 1 ] || fail "one entry expected"
    # One character per byte keeps the columns: 52 characters, the name's 10 of them first.
    [ "${#line}" -eq 52 ] || fail "line has ${#line} characters, not 52: '$line'"
    # The code page's own characters, and the stand-ins the window shows for the others.
    [ "${line:0:10}" = "A⌂▓□♪é€$(printf '\u00ad')Z " ] || fail "name not shown through the code page: '$line'"
    [ "${line:10}" = "    Program                  10          2" ] || fail "fields after the name moved: '$line'"
    # Every byte is shown visibly: no control character and no raw byte reaches the terminal.
    if LC_ALL=C grep -q -P '[\x00-\x09\x0b-\x1f]' "$scratch/out"; then fail "control byte in the output"; fi
    iconv -f UTF-8 -t UTF-32 "$scratch/out" >/dev/null 2>&1 || fail "output is not valid UTF-8"
    ;;

check)
    # The sample is sound: a verdict column of "ok" and exit status 0.
    run --check "$sample"
    expect_status 0 "sound tape checked"
    expect_no_stderr
    sed 's/$/  ok/' "$expected_sample" >"$scratch/expected"
    expect_stdout "$scratch/expected"

    # A header with a flipped checksum, its data block with flag 0x00 instead of 0xFF, and a lone
    # block whose length points past the end of the file.
    {
        printf '\x13\x00\x00\x03code      \x03\x00\x00\x80\x00\x80\xff'
        printf '\x05\x00\x00\x01\x02\x03\x00'
        printf '\x09\x00\xff\x01'
    } >"$scratch/damaged.tap"
    run --check "$sample" "$scratch/damaged.tap"
    expect_status 1 "a check failed"
    expect_no_stderr
    {
        echo "$sample:"
        sed 's/$/  ok/' "$expected_sample"
        echo
        echo "$scratch/damaged.tap:"
        echo "code          Bytes                 32768          3  header checksum, data flag 0x00"
        echo "              Data block                           7  data block cut short"
    } >"$scratch/expected"
    expect_stdout "$scratch/expected"
    ;;

recursive)
    mkdir -p "$scratch/tapes/sub" "$scratch/tapes/empty"
    cp "$sample" "$scratch/tapes/b.tap"
    cp "$scratch/lone.tap" "$scratch/tapes/sub/a.TAP"
    printf 'ZXTape!\x1a\x01\x14' >"$scratch/tapes/sub/c.Tzx"
    "$lister" --wav -o "$scratch/tapes/sub/d.Wav" "$scratch/lone.tap" || fail "--wav of lone.tap"
    echo "not a tape" >"$scratch/tapes/notes.txt"
    run -r "$scratch/tapes" "$scratch/lone.tap"
    expect_status 0 "folder walked"
    expect_no_stderr
    {
        echo "$scratch/tapes/b.tap:"
        cat "$expected_sample"
        echo
        echo "$scratch/tapes/sub/a.TAP:"
        echo "$lone_line"
        echo
        echo "$scratch/tapes/sub/c.Tzx:"
        echo "TZX tape, version 1.20: 0 blocks, 0 converted, 0 passed over, 0 not converted"
        echo
        echo "$scratch/tapes/sub/d.Wav:"
        "$lister" "$scratch/tapes/sub/d.Wav"
        echo
        echo "$scratch/lone.tap:"
        echo "$lone_line"
    } >"$scratch/expected"
    expect_stdout "$scratch/expected"

    # Without -r a folder is a file that cannot be read, as before.
    run "$scratch/tapes"
    expect_status 1 "folder without -r"
    grep -q "tapes: Is a directory" "$scratch/err" || fail "folder without -r not reported"
    ;;

entry_output)
    run --basic 1 "$sample"
    expect_status 0 "--basic"
    expect_no_stderr
    head -n 3 "$scratch/out" >"$scratch/head"
    printf '%s\n' "# Autostart: line 10" \
        "   10 REM Murax demo: a BASIC loader, a code block and a headerless colour table" \
        "   20 CLEAR 32767" >"$scratch/expected"
    diff -u "$scratch/expected" "$scratch/head" >&2 || fail "--basic listing differs"

    run --hex 1 "$scratch/lone.tap"
    expect_status 0 "--hex"
    # Offset, the bytes, and the list's own characters for them (stand-ins for 0x05 and 0x00).
    echo "0000  05 00 FF 01 02 03 FF                             ♣□ÿ☺☻♥ÿ" >"$scratch/expected"
    expect_stdout "$scratch/expected"

    run --extract 3 -o "$scratch/table.bin" "$sample"
    expect_status 0 "--extract"
    [ "$(od -An -tx1 -N3 "$scratch/table.bin" | tr -d ' ')" = "070707" ] || fail "extracted bytes"
    [ "$(stat -c %s "$scratch/table.bin")" -eq 24 ] || fail "extracted length"

    # A screen: the left half of every cell in bright red ink, the right half in bright blue paper.
    {
        printf '\x13\x00\x00\x03screen    \x00\x1b\x00\x40\x00\x80'
        printf '\x00'
        printf '\x02\x1b\xff'
        head -c 6144 /dev/zero | tr '\0' '\360'
        head -c 768 /dev/zero | tr '\0' '\112'
        printf '\x00'
    } >"$scratch/screen.tap"
    run --screen 1 -o "$scratch/screen.png" "$scratch/screen.tap"
    expect_status 0 "--screen"
    expect_no_stderr
    [ "$(od -An -tx1 -N24 "$scratch/screen.png" | tr -d ' \n')" = "89504e470d0a1a0a0000000d4948445200000100000000c0" ] ||
        fail "not a 256x192 PNG"
    if oracle_installed convert; then
        [ "$(convert "$scratch/screen.png" -crop 8x1+0+0 -depth 8 rgb:- | od -An -tx1 | tr -d ' \n')" = \
          "ff0000ff0000ff0000ff00000000ff0000ff0000ff0000ff" ] || fail "screen pixels"
    fi
    ;;

disassemble)
    # Each entry of the sample (a program, pasmo's code at 32768, a headerless block) comes back
    # from pasmo as the bytes --extract writes, from an ORG at the bytes header's address or at 0.
    for entry in 1:0000 2:8000 3:0000; do
        run --disassemble "${entry%:*}" "$sample"
        expect_status 0 "--disassemble ${entry%:*}"
        expect_no_stderr
        [ "$(head -n 1 "$scratch/out" | tr -s ' ')" = " ORG \$${entry#*:}" ] ||
            fail "entry ${entry%:*} does not begin with ORG \$${entry#*:}: $(head -n 1 "$scratch/out")"
        oracle_installed pasmo || continue
        cp "$scratch/out" "$scratch/entry.asm"
        "$lister" --extract "${entry%:*}" -o "$scratch/data.bin" "$sample"
        pasmo --bin "$scratch/entry.asm" "$scratch/back.bin" >/dev/null 2>&1 ||
            fail "pasmo refuses the disassembly of entry ${entry%:*}"
        cmp -s "$scratch/data.bin" "$scratch/back.bin" ||
            fail "entry ${entry%:*} does not assemble back to its bytes"
    done

    # Code at 65533 that runs past 65535 (NOP, then LD HL,$1234 across the end, RET at 1): pasmo's
    # binary is the whole memory, with the code at its end and at its beginning.
    printf '\x13\x00\x00\x03wrap      \x05\x00\xfd\xff\x00\x80\x90\x07\x00\xff\x00\x21\x34\x12\xc9\x31' >"$scratch/wrap.tap"
    run --disassemble 1 "$scratch/wrap.tap"
    expect_status 0 "--disassemble across 65535"
    if oracle_installed pasmo; then
        pasmo --bin "$scratch/out" "$scratch/wrap.bin" >/dev/null 2>&1 || fail "pasmo refuses the wrapped code"
        [ "$(stat -c %s "$scratch/wrap.bin")" -eq 65536 ] || fail "the wrapped code is not one 64 KB image"
        [ "$(od -An -tx1 -j 65533 "$scratch/wrap.bin" | tr -d ' \n')" = "002134" ] &&
            [ "$(od -An -tx1 -N2 "$scratch/wrap.bin" | tr -d ' \n')" = "12c9" ] ||
            fail "the wrapped code's bytes are not where the processor finds them"
    fi
    ;;

entry_errors)
    run --basic 2 "$sample"
    expect_status 1 "not a program"
    grep -q "murax-demo.tap: entry 2: not a program" "$scratch/err" || fail "no entry named: $(cat "$scratch/err")"
    # Numbers past the tape's entries, of any length.
    for number in 4 1234567890 99999999999999999999999999; do
        run --hex "$number" "$sample"
        expect_status 1 "no such entry $number"
        grep -q "entry $number: no such entry (the tape has 3)" "$scratch/err" ||
            fail "missing entry $number: $(cat "$scratch/err")"
    done
    run --screen 2 -o "$scratch/x.png" "$sample"
    expect_status 1 "not a screen"
    grep -q "entry 2: its data is 58 bytes long, not a screen" "$scratch/err" || fail "not a screen: $(cat "$scratch/err")"
    [ ! -e "$scratch/x.png" ] || fail "a picture written for no screen"
    run --extract 1 -o "$scratch/missing/data.bin" "$sample"
    expect_status 1 "unwritable output"
    grep -q "entry 1: cannot write $scratch/missing/data.bin: No such file or directory" "$scratch/err" ||
        fail "write failure: $(cat "$scratch/err")"

    # The command line.
    for wrong in "--basic" "--basic 0 $sample" "--hex x $sample" "--extract 1 $sample" \
                 "-o out $sample" "--basic 1 --hex 1 $sample" "--basic 1 $sample $sample" \
                 "--check --basic 1 $sample"; do
        # shellcheck disable=SC2086
        run $wrong
        expect_status 2 "$wrong"
        [ ! -s "$scratch/out" ] || fail "output for '$wrong'"
    done
    ;;

output_targets)
    # An output that is the tape being read, by any name, is refused before anything is written.
    mkdir "$scratch/in"
    cp "$sample" "$scratch/in/self.tap"
    ln "$scratch/in/self.tap" "$scratch/in/hard.tap"
    ln -s self.tap "$scratch/in/soft.tap"
    ln -s in "$scratch/folder-link"
    for pair in "self.tap self.tap" "self.tap ./self.tap" "self.tap hard.tap" "self.tap soft.tap" \
                "soft.tap self.tap" "hard.tap ../folder-link/soft.tap"; do
        read -r input output <<<"$pair"
        for action in "--extract 1" "--screen 1" --wav; do
            refusal="$input: entry 1: cannot write $output: it is the tape being read"
            [ "$action" = --wav ] &&
                refusal="$input: the sound must go to another file than the tape itself (-o $output)"
            # shellcheck disable=SC2086
            (cd "$scratch/in" && "$lister" $action -o "$output" "$input" >"$scratch/out" 2>"$scratch/err")
            status=$?
            expect_status 1 "$action -o $output $input"
            grep -qF "$refusal" "$scratch/err" || fail "$action -o $output $input: $(cat "$scratch/err")"
            cmp -s "$sample" "$scratch/in/self.tap" || fail "$action -o $output $input changed the tape"
            [ -L "$scratch/in/soft.tap" ] || fail "$action -o $output $input replaced the link"
        done
    done

    # Standard output, a device and a pipe get the bytes as they are; a full device is reported.
    run --extract 3 -o "$scratch/table.bin" "$sample"
    run --extract 3 -o - "$sample"
    expect_status 0 "-o -"
    expect_stdout "$scratch/table.bin"
    run --extract 3 -o /dev/null "$sample"
    expect_status 0 "-o /dev/null"
    expect_no_stderr
    mkfifo "$scratch/fifo"
    cat "$scratch/fifo" >"$scratch/from-fifo" &
    run --extract 3 -o "$scratch/fifo" "$sample"
    wait
    expect_status 0 "-o FIFO"
    cmp -s "$scratch/table.bin" "$scratch/from-fifo" || fail "the FIFO got other bytes"
    [ -p "$scratch/fifo" ] || fail "the FIFO was replaced"
    run --extract 3 -o /dev/full "$sample"
    expect_status 1 "-o /dev/full"
    grep -q "entry 3: cannot write /dev/full: No space left on device" "$scratch/err" ||
        fail "full device: $(cat "$scratch/err")"

    # No data at all (a block of length 0, a header with no block after it, a block of flag and
    # checksum alone) is written as nothing.
    printf '\x00\x00' >"$scratch/empty-1.tap"
    printf '\x13\x00\x00\x03nothing   \x00\x00\x00\x80\x00\x80\x00' >"$scratch/empty-2.tap"
    printf '\x02\x00\xff\xff' >"$scratch/empty-3.tap"
    for tape in "$scratch"/empty-?.tap; do
        run --extract 1 -o - "$tape"
        expect_status 0 "an empty extract of $tape"
        expect_no_stderr
        [ ! -s "$scratch/out" ] || fail "bytes out of $tape"
    done

    # A file with other names is written in place after a copy of the new bytes is put in
    # safety; when that copy cannot be made, the folder it was to go to is named, and the file
    # is not touched.
    cp "$sample" "$scratch/linked.bin"
    ln "$scratch/linked.bin" "$scratch/other-name.bin"
    : >"$scratch/a-file"
    XDG_DATA_HOME="$scratch/a-file/data" "$lister" --extract 3 -o "$scratch/linked.bin" "$sample" \
        >"$scratch/out" 2>"$scratch/err"
    status=$?
    expect_status 1 "no room for the safety copy"
    grep -q "cannot write $scratch/linked.bin: .*in $scratch/a-file/data/murax .*: Not a directory" "$scratch/err" ||
        fail "the safety copy's folder is not named: $(cat "$scratch/err")"
    cmp -s "$sample" "$scratch/linked.bin" || fail "the file was touched"
    ;;

wide_columns)
    # An entry of 65537 bytes: its hex dump's offsets reach 0x10000, and every line keeps the
    # columns of the first.
    { printf '\xff\xff\xff'; head -c 65534 /dev/zero; } >"$scratch/long.tap"
    run --hex 1 "$scratch/long.tap"
    expect_status 0 "--hex of a long entry"
    [ "$(cut -d ' ' -f 1 "$scratch/out" | awk '{ print length }' | sort -u)" = 5 ] ||
        fail "the hex dump's offsets differ in width"
    [ "$(tail -n 1 "$scratch/out" | cut -c1-7)" = "10000  " ] || fail "last offset: $(tail -n 1 "$scratch/out")"
    [ "$(head -n 1 "$scratch/out" | cut -c1-7)" = "00000  " ] || fail "first offset: $(head -n 1 "$scratch/out")"

    # A TZX tape of 100000 blocks: the ID column stays where the heading puts it on every line.
    { printf 'ZXTape!\x1a\x01\x14'; printf '\x20\x00\x00%.0s' $(seq 100000); } >"$scratch/many.tzx"
    run "$scratch/many.tzx"
    expect_status 0 "a TZX tape of 100000 blocks"
    heading=$(sed -n 2p "$scratch/out")
    column=$(awk -v h="$heading" 'BEGIN { print index(h, "ID") }')
    [ "$(tail -n +3 "$scratch/out" | awk '{ print index($0, "0x20") }' | sort -u)" = "$column" ] ||
        fail "the block lines leave the heading's ID column ($column)"
    ;;

short_and_piped)
    # A file cut inside a header, a block whose length points past the end, and standard input
    # that is a pipe list as they always have.
    printf '\x13\x00\x00\x03abc' >"$scratch/cut.tap"
    run "$scratch/cut.tap"
    expect_status 0 "cut file"
    echo "abc    Bytes                     0          0" >"$scratch/expected"
    expect_stdout "$scratch/expected"

    printf '\x02\x00\xff\x01\x40\x00\xff\x01' >"$scratch/past.tap"
    run "$scratch/past.tap"
    expect_status 0 "length past the end"
    printf '%s\n' "              Data block                           0" \
        "              Data block                          62" >"$scratch/expected"
    expect_stdout "$scratch/expected"

    "$lister" /dev/stdin <"$sample" >"$scratch/out" 2>"$scratch/err"
    status=$?
    expect_status 0 "a file on standard input"
    expect_stdout "$expected_sample"
    cat "$sample" "$scratch/lone.tap" | "$lister" /dev/stdin >"$scratch/out" 2>"$scratch/err"
    status=$?
    expect_status 0 "a pipe on standard input"
    { cat "$expected_sample"; echo "$lone_line"; } >"$scratch/expected"
    expect_stdout "$scratch/expected"
    cat "$sample" | "$lister" --check /dev/stdin >"$scratch/out" 2>"$scratch/err"
    status=$?
    expect_status 0 "a pipe checked"
    sed 's/$/  ok/' "$expected_sample" >"$scratch/expected"
    expect_stdout "$scratch/expected"
    ;;

tzx)
    # A text, the lone block as a standard speed block, a pure tone.
    printf 'ZXTape!\x1a\x01\x14\x30\x04text\x10\xe8\x03\x05\x00\xff\x01\x02\x03\xff\x12\x78\x08\x10\x00' \
        >"$scratch/game.tzx"
    run "$scratch/game.tzx"
    expect_status 1 "TZX tape with a block not converted"
    printf '%s\n' "TZX tape, version 1.20: 3 blocks, 1 converted, 1 passed over, 1 not converted" \
        "Block    Offset  ID    Kind                        Becomes" \
        "    1        10  0x30  text description            passed over" \
        "    2        16  0x10  standard speed data         entry 1" \
        "    3        26  0x12  pure tone                   not converted: a tone, no bytes" \
        "" "$lone_line" >"$scratch/expected"
    expect_stdout "$scratch/expected"

    # Every mode names the blocks left out of the entries, and exits 1 for them, after doing
    # what it does with the entries that the rest converts to.
    left_out="murax-list: $scratch/game.tzx: block 3 (ID 0x12, pure tone) at offset 26 was left out: a tone, no bytes"
    for arguments in "" "--check" "--hex 1" "--basic 1" "--extract 1 -o $scratch/x.bin" \
                     "--extract 1 -o -" "--wav -o $scratch/x.wav" "--to-tap -o $scratch/x.tap"; do
        # shellcheck disable=SC2086
        run $arguments "$scratch/game.tzx"
        expect_status 1 "$arguments on a tape with a block left out"
        [ "$(tail -n 1 "$scratch/err")" = "$left_out" ] || fail "$arguments: block left out not named: $(cat "$scratch/err")"
    done
    [ -s "$scratch/x.wav" ] || fail "no sound written for the blocks that convert"

    # The entry options act on the converted entries, from a file or a pipe.
    "$lister" --hex 1 /dev/stdin <"$scratch/game.tzx" >"$scratch/out" 2>"$scratch/err"
    status=$?
    expect_status 1 "--hex on a TZX tape with a block left out"
    echo "0000  05 00 FF 01 02 03 FF                             ♣□ÿ☺☻♥ÿ" >"$scratch/expected"
    expect_stdout "$scratch/expected"

    # Cut inside its last block: the blocks up to it, and the fault with its offset.
    head -c 28 "$scratch/game.tzx" >"$scratch/cut.tzx"
    run --check "$scratch/cut.tzx" "$scratch/lone.tap"
    expect_status 1 "malformed TZX tape"
    grep -q "^    2        16  0x10" "$scratch/out" || fail "blocks before the fault not listed"
    grep -q "^$scratch/lone.tap:" "$scratch/out" || fail "the next file not listed"
    grep -q "cut.tzx: block 3 (ID 0x12, pure tone) at offset 26 runs past the end of the file" "$scratch/err" ||
        fail "fault not named: $(cat "$scratch/err")"

    # A tape that tapeconv made of the sample lists the sample's entries after its blocks.
    if oracle_installed tapeconv; then
        tapeconv "$sample" "$scratch/sample.tzx" 2>/dev/null || fail "tapeconv failed"
        run "$scratch/sample.tzx"
        expect_status 0 "tapeconv's TZX tape"
        tail -n "$(wc -l <"$expected_sample")" "$scratch/out" >"$scratch/entries"
        diff -u "$expected_sample" "$scratch/entries" >&2 || fail "the converted entries differ"
    fi
    ;;

to_tap)
    printf 'ZXTape!\x1a\x01\x14\x30\x04text\x10\xe8\x03\x05\x00\xff\x01\x02\x03\xff' >"$scratch/game.tzx"
    cp "$scratch/game.tzx" "$scratch/original.tzx"
    run --to-tap -o "$scratch/game.tap" "$scratch/game.tzx"
    expect_status 0 "--to-tap"
    expect_no_stderr
    cmp -s "$scratch/game.tap" "$scratch/lone.tap" || fail "the TAP file differs"

    # A block left out is named, and the rest is still written.
    printf '\x12\x78\x08\x10\x00' >>"$scratch/game.tzx"
    cp "$scratch/game.tzx" "$scratch/original.tzx"
    run --to-tap -o "$scratch/toned.tap" "$scratch/game.tzx"
    expect_status 1 "--to-tap leaving a block out"
    grep -q "game.tzx: block 3 (ID 0x12, pure tone) at offset 26 was left out: a tone, no bytes" "$scratch/err" ||
        fail "block left out not named: $(cat "$scratch/err")"
    cmp -s "$scratch/toned.tap" "$scratch/lone.tap" || fail "the TAP file differs"

    # Never over the tape itself, by whatever name; never from a TAP file or a malformed tape.
    ln -s game.tzx "$scratch/link.tzx"
    for output in "$scratch/game.tzx" "$scratch/./game.tzx" "$scratch/link.tzx"; do
        run --to-tap -o "$output" "$scratch/game.tzx"
        expect_status 1 "--to-tap onto its input as $output"
        grep -q "must go to another file" "$scratch/err" || fail "same file not refused: $(cat "$scratch/err")"
    done
    cmp -s "$scratch/game.tzx" "$scratch/original.tzx" || fail "the tape was touched"
    run --to-tap -o "$scratch/x.tap" "$scratch/lone.tap"
    expect_status 1 "--to-tap of a TAP file"
    grep -q "lone.tap: not a TZX tape" "$scratch/err" || fail "TAP input not refused: $(cat "$scratch/err")"
    head -c 22 "$scratch/game.tzx" >"$scratch/cut.tzx"
    run --to-tap -o "$scratch/x.tap" "$scratch/cut.tzx"
    expect_status 1 "--to-tap of a malformed tape"
    grep -q "at offset 16 runs past the end of the file: it needs 9 bytes after its ID, 5 are left; nothing was written" \
        "$scratch/err" || fail "malformed tape: $(cat "$scratch/err")"
    [ ! -e "$scratch/x.tap" ] || fail "a TAP file written for a refused tape"
    run --to-tap -o "$scratch/missing/x.tap" "$scratch/game.tzx"
    expect_status 1 "unwritable output"
    grep -q "cannot write $scratch/missing/x.tap" "$scratch/err" || fail "write failure: $(cat "$scratch/err")"

    for wrong in "--to-tap $scratch/game.tzx" "--to-tap -o x.tap $scratch/game.tzx $scratch/game.tzx" \
                 "--to-tap --hex 1 -o x.tap $scratch/game.tzx" "--to-tap --check -o x.tap $scratch/game.tzx" \
                 "-o x.tap $scratch/game.tzx"; do
        # shellcheck disable=SC2086
        run $wrong
        expect_status 2 "$wrong"
    done
    run --help
    grep -q -- "--to-tap" "$scratch/out" || fail "--help does not describe --to-tap"
    ;;

recording)
    # The sample's sound, made here and by tape2wav, listed and converted back.
    "$lister" --wav -o "$scratch/sample.wav" "$sample" || fail "--wav of the sample"
    cp "$scratch/sample.wav" "$scratch/original.wav"
    run "$scratch/sample.wav"
    expect_status 0 "a recording listed"
    expect_no_stderr
    head -1 "$scratch/out" | grep -q "^WAV recording, 44100 Hz, 16-bit, mono, .*: 5 blocks, 0 failing" ||
        fail "recording's line: $(head -1 "$scratch/out")"
    [ "$(grep -c " standard .* checksum OK$" "$scratch/out")" -eq 5 ] || fail "block lines: $(cat "$scratch/out")"
    sed '1,/^$/d' "$scratch/out" >"$scratch/entries"
    diff -u "$expected_sample" "$scratch/entries" >&2 || fail "the entries differ from the sample's"
    run --to-tap -o "$scratch/back.tap" "$scratch/sample.wav"
    expect_status 0 "--to-tap of a recording"
    expect_no_stderr
    cmp "$scratch/back.tap" "$sample" >&2 || fail "the recording converts to another tape"
    "$lister" --to-tap -o - "$scratch/sample.wav" | cmp - "$sample" >&2 || fail "--to-tap to standard output"
    # The entry options and --wav act on the entries the blocks make.
    run --hex 2 "$scratch/sample.wav"
    expect_status 0 "--hex of a recording's entry"
    "$lister" --hex 2 "$sample" | cmp - "$scratch/out" >&2 || fail "--hex 2 differs from the sample's"
    run --wav -o "$scratch/again.wav" "$scratch/sample.wav"
    expect_status 0 "--wav of a recording"
    cmp "$scratch/again.wav" "$scratch/sample.wav" >&2 || fail "the recording sounds otherwise than the sample"
    if oracle_installed tape2wav; then
        tape2wav -r 22050 "$sample" "$scratch/fuse.wav" >/dev/null 2>&1 || fail "tape2wav failed"
        run --to-tap -o "$scratch/fuse.tap" "$scratch/fuse.wav"
        expect_status 0 "--to-tap of tape2wav's recording"
        cmp "$scratch/fuse.tap" "$sample" >&2 || fail "tape2wav's recording converts to another tape"
    fi

    # Never over the recording itself; a recording cut short or compressed writes nothing.
    run --to-tap -o "$scratch/sample.wav" "$scratch/sample.wav"
    expect_status 1 "--to-tap onto its input"
    grep -q "must go to another file" "$scratch/err" || fail "same file not refused: $(cat "$scratch/err")"
    cmp -s "$scratch/sample.wav" "$scratch/original.wav" || fail "the recording was touched"
    head -c 300000 "$scratch/sample.wav" >"$scratch/cut.wav"
    run --to-tap -o "$scratch/cut.tap" "$scratch/cut.wav"
    expect_status 1 "--to-tap of a recording cut short"
    grep -q "cut.wav: a WAV file whose data size lies: .*; nothing was written" "$scratch/err" ||
        fail "cut recording not refused: $(cat "$scratch/err")"
    [ ! -e "$scratch/cut.tap" ] || fail "a TAP file written from a refused recording"
    printf 'RIFF\x2c\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x06\x00\x01\x00\x40\x1f\x00\x00\x40\x1f\x00\x00\x01\x00\x08\x00data\x00\x00\x00\x00' >"$scratch/alaw.wav"
    run "$scratch/alaw.wav"
    expect_status 1 "an A-law recording"
    grep -q "alaw.wav: a WAV file in a compressed encoding (A-law)" "$scratch/err" ||
        fail "A-law not refused: $(cat "$scratch/err")"
    run --help
    grep -q "WAV recording" "$scratch/out" || fail "--help does not describe recordings"
    ;;

sound_output)
    # The header's rate and sample size as little-endian bytes at offsets 24 and 34.
    expect_wav() {  # file rate-bytes bits-bytes
        [ "$(od -An -tx1 -N4 "$1" | tr -d ' ')" = "52494646" ] || fail "$1 is not a RIFF file"
        [ "$(od -An -tx1 -j24 -N4 "$1" | tr -d ' ')" = "$2" ] || fail "$1: rate"
        [ "$(od -An -tx1 -j34 -N2 "$1" | tr -d ' ')" = "$3" ] || fail "$1: sample size"
    }
    run --wav -o "$scratch/tape.wav" "$sample"
    expect_status 0 "--wav"
    expect_no_stderr
    [ ! -s "$scratch/out" ] || fail "--wav printed: $(cat "$scratch/out")"
    expect_wav "$scratch/tape.wav" 44ac0000 1000
    run --wav --rate 22050 --bits 8 --entries 3,1 -o "$scratch/two.wav" "$sample"
    expect_status 0 "--wav with entries, rate and size"
    expect_wav "$scratch/two.wav" 22560000 0800

    # Read back by fuse-emulator-utils: the tape, and the entries in the order given.
    if oracle_installed audio2tape && oracle_installed tapeconv; then
        for wav in tape two; do
            audio2tape "$scratch/$wav.wav" "$scratch/$wav.tzx" >/dev/null 2>&1 &&
                tapeconv "$scratch/$wav.tzx" "$scratch/$wav.tap" 2>/dev/null ||
                fail "audio2tape and tapeconv could not read $wav.wav"
        done
        cmp "$sample" "$scratch/tape.tap" >&2 || fail "the tape's sound reads back differently"
        { tail -c 28 "$sample"; head -c 265 "$sample"; } >"$scratch/expected.tap"
        cmp "$scratch/expected.tap" "$scratch/two.tap" >&2 || fail "entries 3,1 read back differently"
    fi

    for last in 4 99999999999999999999; do
        run --wav --entries "2-$last" -o "$scratch/x.wav" "$sample"
        expect_status 1 "an entry the tape lacks"
        grep -q "murax-demo.tap: no entry $last (the tape has 3)" "$scratch/err" ||
            fail "missing entry $last: $(cat "$scratch/err")"
    done
    run --wav -o "$scratch/missing/x.wav" "$sample"
    expect_status 1 "unwritable output"
    grep -q "cannot write $scratch/missing/x.wav: No such file or directory" "$scratch/err" ||
        fail "write failure: $(cat "$scratch/err")"
    run --wav -o "$scratch/x.wav" "$scratch/missing.tap"
    expect_status 1 "unreadable tape"
    grep -q "cannot read $scratch/missing.tap: No such file or directory" "$scratch/err" ||
        fail "read failure: $(cat "$scratch/err")"
    [ ! -e "$scratch/x.wav" ] || fail "a sound written after a failure"

    for wrong in "--wav $sample" "--rate 44100 $sample" "--wav --rate 12345 -o x $sample" \
                 "--wav --bits 24 -o x $sample" "--wav --entries 0 -o x $sample" \
                 "--wav --entries 3-1 -o x $sample" "--wav --entries 1,,2 -o x $sample" \
                 "--wav --entries -o x $sample" "--wav --basic 1 -o x $sample" \
                 "--wav -o x $sample $sample" "--wav --check -o x $sample"; do
        # shellcheck disable=SC2086
        run $wrong
        expect_status 2 "$wrong"
        [ ! -s "$scratch/out" ] || fail "output for '$wrong'"
    done
    grep -q "rate must be 22050, 44100 or 48000, not '12345'" <("$lister" --wav --rate 12345 -o x "$sample" 2>&1) ||
        fail "the rates allowed are not named"

    # Standard output and a pipe get the file's bytes; a full device is reported.
    run --wav -o - "$sample"
    expect_status 0 "--wav -o -"
    expect_stdout "$scratch/tape.wav"
    mkfifo "$scratch/fifo"
    cat "$scratch/fifo" >"$scratch/from-fifo" &
    run --wav -o "$scratch/fifo" "$sample"
    wait
    expect_status 0 "--wav -o FIFO"
    cmp -s "$scratch/tape.wav" "$scratch/from-fifo" || fail "the FIFO got other bytes"
    run --wav -o /dev/full "$sample"
    expect_status 1 "--wav -o /dev/full"
    grep -q "cannot write /dev/full: No space left on device" "$scratch/err" ||
        fail "full device: $(cat "$scratch/err")"

    # A TZX tape sounds as the entries it converts to; a malformed one writes nothing.
    printf 'ZXTape!\x1a\x01\x14\x30\x04text\x10\xe8\x03\x05\x00\xff\x01\x02\x03\xff' >"$scratch/game.tzx"
    run --wav -o "$scratch/lone.wav" "$scratch/lone.tap"
    run --wav -o "$scratch/game.wav" "$scratch/game.tzx"
    expect_status 0 "--wav of a TZX tape"
    expect_no_stderr
    cmp -s "$scratch/lone.wav" "$scratch/game.wav" || fail "the TZX tape sounds otherwise than its entries"
    head -c 22 "$scratch/game.tzx" >"$scratch/cut.tzx"
    run --wav -o "$scratch/cut.wav" "$scratch/cut.tzx"
    expect_status 1 "--wav of a malformed TZX tape"
    grep -q "cut.tzx: .* at offset 16 runs past the end of the file.*; nothing was written" "$scratch/err" ||
        fail "malformed tape: $(cat "$scratch/err")"
    [ ! -e "$scratch/cut.wav" ] || fail "a sound written for a malformed tape"
    ;;

make)
    # A program made from a listing is the tape zmakebas makes of it, name and autostart alike.
    command -v zmakebas >/dev/null && command -v pasmo >/dev/null ||
        { echo "FAIL: zmakebas and pasmo are needed (tools/setup-deps.sh test installs them)" >&2; exit 1; }
    printf '%s\n' '10 BORDER 0: PAPER 0: INK 7: CLS' '20 LOAD "" CODE' \
        '30 RANDOMIZE USR 32768: REM start  it' >"$scratch/loader.bas"
    zmakebas -n loader -a 10 -o "$scratch/zmakebas.tap" "$scratch/loader.bas"
    run --make --name loader --autostart 10 -o "$scratch/made.tap" "$scratch/loader.bas"
    expect_status 0 "--make of a listing"
    expect_no_stderr
    cmp "$scratch/zmakebas.tap" "$scratch/made.tap" || fail "--make differs from zmakebas"

    # A CODE entry is the tape pasmo makes of the same bytes at the same address.
    printf '%s\n' ' org 40000' ' ld a,2' ' out (254),a' ' ret' >"$scratch/code.asm"
    (cd "$scratch" && pasmo code.asm code.bin && pasmo --tap code.asm pasmo.tap)
    run --make --name pasmo.tap --start 40000 -o - "$scratch/code.bin"
    expect_status 0 "--make of code to standard output"
    expect_stdout "$scratch/pasmo.tap"

    # The listing murax-list prints of the sample's program makes that program again.
    run --basic 1 "$sample"
    cp "$scratch/out" "$scratch/sample.txt"
    run --make --autostart 10 -o "$scratch/again.tap" "$scratch/sample.txt"
    expect_status 0 "--make of murax-list's own listing"
    "$lister" --extract 1 -o "$scratch/again.bin" "$scratch/again.tap"
    "$lister" --extract 1 -o "$scratch/sample.bin" "$sample"
    cmp "$scratch/sample.bin" "$scratch/again.bin" || fail "the sample's listing made another program"

    # Faults: nothing is written, and the message says where or why.
    printf '10 CLS\n5 PRINT "x\n' >"$scratch/bad.bas"
    head -c 600 /dev/zero >"$scratch/big.bin"
    : >"$scratch/empty.scr"
    for pair in "bad.bas|bad.bas: line 2, column 1: line 5 comes after line 10" \
                "big.bin --start 65000|big.bin: its 600 bytes from address 65000 would run past 65535" \
                "empty.scr|empty.scr: the file is empty" "missing.bin|cannot read"; do
        IFS='|' read -r arguments says <<<"$pair"
        read -r input options <<<"$arguments"
        # shellcheck disable=SC2086
        run --make $options -o "$scratch/fault.tap" "$scratch/$input"
        expect_status 1 "--make $arguments"
        grep -qF "$says" "$scratch/err" || fail "--make $arguments: $(cat "$scratch/err")"
        [ ! -e "$scratch/fault.tap" ] || fail "--make $arguments wrote a tape"
    done
    run --make -o "$scratch/loader.bas" "$scratch/loader.bas"
    expect_status 1 "--make onto its input"
    grep -qF "another file than the one it is made from" "$scratch/err" || fail "input as output: $(cat "$scratch/err")"

    # Command lines that are wrong in themselves.
    for arguments in "--make --name 01234567890" "--make --start 1" "--make --autostart 10000" \
                     "--name x" "--make --check" "--make --autostart"; do
        # shellcheck disable=SC2086
        run $arguments -o "$scratch/fault.tap" "$scratch/loader.bas"
        expect_status 2 "$arguments"
        [ -s "$scratch/err" ] || fail "$arguments: no message"
    done
    run --make "$scratch/loader.bas"
    expect_status 2 "--make without -o"
    ;;

memory_limit)
    # Under a limit on the address space, as a user's ulimit sets one: TZX tapes of any size stream,
    # and what cannot fit is refused with a message and exit status 1, never a crash.
    if [ "${MURAX_SANITIZED:-0}" = 1 ]; then
        echo "skipped: AddressSanitizer reserves terabytes of address space, so no limit can be set under it"
        exit 77
    fi
    limited() {  # KiB, then the lister's arguments
        local kib=$1
        shift
        (ulimit -v "$kib" && exec "$lister" "$@") >"$scratch/out" 2>"$scratch/err"
        status=$?
    }
    # 2,097,152 standard speed blocks of one byte each (12 MiB), and the TAP file they become.
    printf '\x10\xe8\x03\x01\x00\xff' >"$scratch/block"
    printf '\x01\x00\xff' >"$scratch/tap-block"
    for _ in $(seq 21); do
        cat "$scratch/block" "$scratch/block" >"$scratch/two" && mv "$scratch/two" "$scratch/block"
        cat "$scratch/tap-block" "$scratch/tap-block" >"$scratch/two" && mv "$scratch/two" "$scratch/tap-block"
    done
    { printf 'ZXTape!\x1a\x01\x14'; cat "$scratch/block"; } >"$scratch/dense.tzx"
    rm "$scratch/block"
    blocks=2097152
    limit=$((400 * 1024))

    limited "$limit" "$scratch/dense.tzx"
    expect_status 0 "listing the dense tape"
    expect_no_stderr
    [ "$(head -n 1 "$scratch/out")" = "TZX tape, version 1.20: $blocks blocks, $blocks converted, 0 passed over, 0 not converted" ] ||
        fail "the counts: $(head -n 1 "$scratch/out")"
    [ "$(wc -l <"$scratch/out")" -eq $((2 * blocks + 3)) ] || fail "a line for each block and each entry"
    grep -q "^$blocks  *$((10 + 6 * (blocks - 1)))  0x10  standard speed data  *entry $blocks\$" "$scratch/out" ||
        fail "the last block's line"

    limited "$limit" --to-tap -o "$scratch/dense.tap" "$scratch/dense.tzx"
    expect_status 0 "--to-tap of the dense tape"
    cmp -s "$scratch/dense.tap" "$scratch/tap-block" || fail "the dense tape's TAP file differs"
    limited "$limit" --hex "$blocks" "$scratch/dense.tzx"
    expect_status 0 "--hex of the dense tape's last entry"
    grep -q "^0000  01 00 FF " "$scratch/out" || fail "the last entry's bytes: $(cat "$scratch/out")"

    # 20 million empty blocks: silent, so their sound is the half second before the tape; asked
    # for by their numbers, the entries do not fit, and that is said.
    head -c 40000000 /dev/zero >"$scratch/zeros.tap"
    : >"$scratch/empty.tap"
    "$lister" --wav -o "$scratch/silence.wav" "$scratch/empty.tap" || fail "the sound of an empty tape"
    limited "$limit" --wav -o "$scratch/zeros.wav" "$scratch/zeros.tap"
    expect_status 0 "--wav of 20 million empty blocks"
    cmp -s "$scratch/zeros.wav" "$scratch/silence.wav" || fail "empty blocks made a sound"
    limited "$limit" --wav --entries 1-20000000 -o "$scratch/numbered.wav" "$scratch/zeros.tap"
    expect_status 1 "--wav of 20 million entries by number"
    grep -qx "murax-list: $scratch/zeros.tap: not enough memory for this tape" "$scratch/err" ||
        fail "no refusal for the sound: $(cat "$scratch/err")"
    [ ! -e "$scratch/numbered.wav" ] || fail "a sound written though it did not fit"

    # A pipe is read once, so its tape is held whole: one larger than the limit is refused, and
    # the files after it are still listed.
    { printf 'ZXTape!\x1a\x01\x14'; head -c 100000000 /dev/zero | tr '\0' '\040'; } |
        (ulimit -v $((64 * 1024)) && exec "$lister" /dev/stdin "$scratch/lone.tap") >"$scratch/out" 2>"$scratch/err"
    status=$?
    expect_status 1 "a piped tape larger than the memory"
    grep -q "/dev/stdin: not enough memory to hold this tape" "$scratch/err" ||
        fail "no refusal for the pipe: $(cat "$scratch/err")"
    grep -qx "$lone_line" "$scratch/out" || fail "the file after the pipe was not listed"
    ;;

*)
    unknown_case
    ;;
esac

finish_case
