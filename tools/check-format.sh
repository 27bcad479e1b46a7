#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks every C++ file the repository tracks against .clang-format and names those that differ.
# With --fix it formats them in place instead. Exits 77 (a skip to CTest) when clang-format is
# missing, except under CI, which installs it (tools/setup-deps.sh test).
# Usage: tools/check-format.sh [--fix]
set -euo pipefail
cd "$(dirname "$0")/.."

formatter=$(command -v clang-format-14 || command -v clang-format || true)
if [ -z "$formatter" ]; then
    case "${CI:-}" in
    "" | 0 | false) echo "clang-format is not installed: the format is not checked"; exit 77 ;;
    *) echo "clang-format is not installed, yet CI is set and tools/setup-deps.sh installs it" >&2; exit 1 ;;
    esac
fi

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t sources < <(git ls-files -- '*.cpp' '*.h')
else
    mapfile -t sources < <(find . -path ./build\* -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sort)
fi
if [ "${1:-}" = --fix ]; then
    "$formatter" -i "${sources[@]}"
    exit 0
fi

# One run over every file: clang-format names each file that differs in its warnings.
status=0
report=$("$formatter" --dry-run --Werror "${sources[@]}" 2>&1) || status=$?
mapfile -t unformatted < <(sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' <<<"$report" | sort -u)
if [ "$status" -ne 0 ] && [ ${#unformatted[@]} -eq 0 ]; then
    printf 'clang-format failed:\n%s\n' "$report" >&2
    exit 1
fi
if [ ${#unformatted[@]} -ne 0 ]; then
    printf 'not formatted as .clang-format says (tools/check-format.sh --fix mends it):\n' >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    exit 1
fi
echo "every one of ${#sources[@]} C++ files is formatted"
