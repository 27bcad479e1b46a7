#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the missing Debian packages, builds the editor and opens it on the given TAP file, or on
# the bundled sample tape when none is given.
# Usage: tools/run.sh [file.tap]      (MURAX_BUILD_DIR chooses the build folder; default build/)
set -euo pipefail
source "$(dirname "$0")/build-common.sh"

"$MURAX_ROOT/tools/setup-deps.sh" run
murax_configure "$MURAX_BUILD"
murax_build "$MURAX_BUILD" murax

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run: built $MURAX_BUILD/qt/murax, but there is no display to open it on" >&2
    exit 1
fi
[ $# -gt 0 ] || set -- "$MURAX_ROOT/resources/sample/murax-demo.tap"
exec "$MURAX_BUILD/qt/murax" "$@"
