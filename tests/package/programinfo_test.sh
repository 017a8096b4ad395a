#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# `tallyfox --help`, `-h` and `--version` print and exit 0 where no display is, as packaging smoke tests
# run them, and touch no registry, settings or runtime file; `--help` after -f is a word of the file name.
#   programinfo_test.sh TALLYFOX VERSION
set -euo pipefail
source "$(dirname "$0")/testlib.sh"
program=$1
version=$2

# Runs the program with no display of any kind; a window it opened would hang until the time-out.
runWithoutDisplay()
{
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$program" "$@" \
        >"$scratch/out" 2>"$scratch/err"
}

# Arguments, then the text the first line starts with.
cases=(
    "--help|Usage: tallyfox "
    "-h|Usage: tallyfox "
    "--version|tallyfox $version"
    "--scale 2 --help|Usage: tallyfox "
    "-qe --version|tallyfox $version"
    "-f data.tfx -SQE --help|Usage: tallyfox "
    "--version --help|tallyfox $version"
)
for entry in "${cases[@]}"; do
    read -r -a arguments <<<"${entry%%|*}"
    start=${entry#*|}
    rc=0
    runWithoutDisplay "${arguments[@]}" || rc=$?
    [ "$rc" -eq 0 ] || fail "tallyfox ${arguments[*]}: exit code $rc: $(head -c 300 "$scratch/err")"
    case $(head -n 1 "$scratch/out") in
    "$start"*) ;;
    *) fail "tallyfox ${arguments[*]} printed: $(head -n 1 "$scratch/out")" ;;
    esac
    [ ! -s "$scratch/err" ] || fail "tallyfox ${arguments[*]} wrote to standard error: $(head -c 300 "$scratch/err")"
done

runWithoutDisplay --version
grep -q 'GPL-3.0-or-later' "$scratch/out" || fail "--version does not name the licence"
runWithoutDisplay --help
for switch in -f -d -qe -sqe --scale --version; do
    grep -q -- " $switch" "$scratch/out" || fail "--help does not name $switch"
done

# A clock that cannot be read keeps the window from starting, not the help.
rc=0
TALLYFOX_NOW=soon runWithoutDisplay --help || rc=$?
[ "$rc" -eq 0 ] || fail "--help with an unreadable TALLYFOX_NOW: exit code $rc"

# Text that cannot be written is an error.
if [ -w /dev/full ]; then
    rc=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$program" --version >/dev/full || rc=$?
    [ "$rc" -eq 1 ] || fail "--version to a full disk: exit code $rc, not 1"
fi

[ ! -e "$TALLYFOX_REGISTRY" ] || fail "the registry file was written"
[ -z "$(ls -A "$XDG_RUNTIME_DIR")" ] || fail "the runtime folder holds $(ls -A "$XDG_RUNTIME_DIR")"
[ -z "$(find "$HOME" -mindepth 1 -not -type d)" ] || fail "the home folder holds $(find "$HOME" -not -type d)"

# After -f the same word names the file: the program starts (here on no display, so it fails to) rather
# than printing the help.
ulimit -c 0
rc=0
runWithoutDisplay -f --help || rc=$?
[ "$rc" -ne 0 ] || fail "tallyfox -f --help printed the help instead of starting"
grep -q 'Usage:' "$scratch/out" && fail "tallyfox -f --help printed the help"
finish
