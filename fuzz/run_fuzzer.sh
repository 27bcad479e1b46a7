#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang in BUILD-DIR (later runs rebuild only what changed) and runs
# TARGET (tape_fuzzer unless named) for SECONDS over the seed corpus and what its earlier runs
# found. Fails when the fuzzer finds an input that breaks the program; that input is left in
# BUILD-DIR/artifacts/, its name starting with the target's (replay it with
# `BUILD-DIR/TARGET FILE`; for tape_fuzzer MURAX_FUZZ_TRACE=1 follows the commands). Exits 77,
# CTest's skip, when no clang here can build the targets (they need clang 15 or later and
# libFuzzer).
#
# Usage: fuzz/run_fuzzer.sh BUILD-DIR [SECONDS [TARGET]]   (MURAX_FUZZ_CXX names the compiler)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath -m "${1:?usage: run_fuzzer.sh BUILD-DIR [SECONDS]}")
seconds=${2:-60}
target=${3:-tape_fuzzer}

# A compiler that has std::source_location and links a libFuzzer target with the sanitizers.
can_build_target() {
    local cxx=$1 probe
    probe=$(mktemp -d)
    printf '%s\n' '#include <source_location>' '#include <cstddef>' '#include <cstdint>' \
        'extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t)' \
        '{ return std::source_location::current().line() > 0 ? 0 : 1; }' >"$probe/probe.cpp"
    "$cxx" -std=c++20 -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" \
        >/dev/null 2>&1
    local status=$?
    rm -rf "$probe"
    return $status
}

cxx=
for candidate in ${MURAX_FUZZ_CXX:-} clang++-19 clang++-18 clang++-17 clang++-16 clang++-15 clang++; do
    if command -v "$candidate" >/dev/null && can_build_target "$candidate"; then
        cxx=$(command -v "$candidate")
        break
    fi
done
if [ -z "$cxx" ]; then
    echo "run_fuzzer: no clang++ here builds the fuzz target (clang 15 or later with libFuzzer," \
         "e.g. Debian's clang-16 and libclang-rt-16-dev); skipped"
    exit 77
fi

if ! grep -qs "CMAKE_CXX_COMPILER:.*=$cxx\$" "$build/CMakeCache.txt"; then
    rm -rf "$build"
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="$cxx"
fi
cmake --build "$build"

# What each target's runs found so far; the tape fuzzer's keeps its first name.
found="$build/corpus"
[ "$target" = tape_fuzzer ] || found="$build/corpus-$target"
mkdir -p "$found" "$build/artifacts"
# libFuzzer's own exit code for a finding is 77, which CTest would take for a skip.
exec "$build/$target" -max_total_time="$seconds" -max_len=4096 -timeout=20 \
    -rss_limit_mb=2048 -error_exitcode=1 -timeout_exitcode=1 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target-" "$found" "$here/corpus"
