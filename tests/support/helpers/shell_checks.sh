# SPDX-FileCopyrightText: 2026 Murax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What the shell tests that run one case each share, sourced once the case is named in
# $case_name: a scratch folder removed at the end, a count of failed checks, and the end that
# reports them.

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The last branch of the script's case statement: a name it does not know.
unknown_case() {
    echo "unknown case $case_name" >&2
    exit 2
}

# Ends the script: failed when any check failed.
finish_case() {
    if [ "$failures" -ne 0 ]; then
        echo "$case_name: $failures check(s) failed" >&2
        exit 1
    fi
    echo "$case_name: passed"
}

# True when the oracle tool $1 is installed. Where it is not, the check that needs it is left out,
# except under CI (the CI variable set), which installs every tool: there a missing one fails.
oracle_installed() {
    command -v "$1" >/dev/null && return 0
    case "${CI:-}" in
    "" | 0 | false) ;;
    *) fail "$1 is not installed, yet CI is set and tools/setup-deps.sh installs it" ;;
    esac
    return 1
}
