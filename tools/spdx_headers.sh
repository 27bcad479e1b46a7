#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file (C++, CMake, shell and Python) names its licence in its first lines, after the
# shebang line when there is one, in the SPDX form that packaging and licence scanners read.
#
# Usage: tools/spdx_headers.sh check [SOURCE_DIR]   lists the files without the header; fails if any
#        tools/spdx_headers.sh add [SOURCE_DIR]     gives those files the header
set -euo pipefail

mode=${1:-}
case "$mode" in check | add) ;; *) echo "usage: $0 check|add [SOURCE_DIR]" >&2; exit 2 ;; esac
root=${2:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
licence="SPDX-License-Identifier: GPL-3.0-or-later"
copyright="SPDX-FileCopyrightText: 2026 Murax developers"

# Build folders (any folder holding a CMakeCache.txt) and Git's own are not sources.
source_files() {
    find "$root" -type d \( -name .git -o -exec test -e '{}/CMakeCache.txt' ';' \) -prune -o \
         -type f \( -name '*.cpp' -o -name '*.h' -o -name CMakeLists.txt -o -name '*.cmake' \
                    -o -name '*.sh' -o -name '*.py' \) -print | LC_ALL=C sort
}

has_header() { head -n 3 "$1" | grep -Fq "$licence"; }

add_header() {  # file
    local file=$1 comment='#' text
    case "$file" in *.cpp | *.h) comment='//' ;; esac
    text="$comment $copyright"$'\n'"$comment $licence"
    local temporary
    temporary=$(mktemp "$file.XXXXXX")
    if head -n 1 "$file" | grep -q '^#!'; then
        { head -n 1 "$file"; printf '%s\n' "$text"; tail -n +2 "$file"; } >"$temporary"
    else
        { printf '%s\n' "$text"; cat "$file"; } >"$temporary"
    fi
    chmod --reference="$file" "$temporary"
    mv "$temporary" "$file"
}

missing=0
while IFS= read -r file; do
    has_header "$file" && continue
    if [ "$mode" = add ]; then
        add_header "$file"
    else
        echo "no licence header: ${file#"$root"/}"
        missing=$((missing + 1))
    fi
done < <(source_files)

if [ "$mode" = check ] && [ "$missing" -ne 0 ]; then
    echo "$missing file(s) lack the header; tools/spdx_headers.sh add gives it to them" >&2
    exit 1
fi
