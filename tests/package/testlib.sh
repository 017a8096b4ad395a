# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# Shared by the package tests: a temporary home, registry and runtime folder of the test's own, a pinned
# clock and language, and the failure count. Sourced, after `set -euo pipefail`.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/tallyfox-package-test.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_RUNTIME_DIR=$scratch/runtime
export TALLYFOX_REGISTRY=$scratch/registry.reg TALLYFOX_NOW=2010-01-03T12:30:45 LC_ALL=C.UTF-8 TZ=UTC
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"

failures=0

fail()
{
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# CTest counts exit code 77 as a skipped test.
skip()
{
    echo "SKIP: $*"
    exit 77
}

# Fails when a command the test needs is missing: `make test` installs it.
need()
{
    command -v "$1" >/dev/null || {
        echo "FAIL: $1 is not installed (make test installs it)" >&2
        exit 1
    }
}

finish()
{
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "All checks passed"
}

# The words of a list, one a line, sorted and each once: lists compare as sets, in whatever order and
# however often a tool gives them.
sortedWords()
{
    tr -s ' \n' '\n\n' <<<"$*" | sed '/^$/d' | sort -u
}

expectSameWords()
{
    local what=$1 expected=$2 found=$3
    if [ "$(sortedWords "$expected")" != "$(sortedWords "$found")" ]; then
        fail "$what: expected [$expected], found [$found]"
    fi
}
