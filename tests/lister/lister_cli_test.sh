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

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export LC_ALL=C.UTF-8

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

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

write_failure)
    "$lister" "$sample" >/dev/full 2>"$scratch/err"
    status=$?
    expect_status 1 "listing written to a full device"
    grep -q "cannot write" "$scratch/err" || fail "no message for the failed write"
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

*)
    echo "unknown case $case_name" >&2
    exit 2
    ;;
esac

if [ "$failures" -ne 0 ]; then
    echo "$case_name: $failures check(s) failed" >&2
    exit 1
fi
echo "$case_name: passed"
