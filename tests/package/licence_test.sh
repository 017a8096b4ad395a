#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# Every source file of the repository names its licence and its copyright holders near its top.
#   licence_test.sh SOURCE_FOLDER
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/testlib.sh"
cd "$1"
command -v git >/dev/null && git rev-parse --is-inside-work-tree >/dev/null 2>&1 ||
    skip "not a git work tree"

checked=0
while IFS= read -r -d '' file; do
    case $file in tests/data/* | fuzz/seeds/*) continue ;; esac
    head=$(head -n 4 "$file")
    grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' <<<"$head" || fail "$file names no licence"
    grep -q 'SPDX-FileCopyrightText: ' <<<"$head" || fail "$file names no copyright holder"
    checked=$((checked + 1))
done < <(git ls-files -z -- '*.cpp' '*.h' '*.sh' 'CMakeLists.txt' '*/CMakeLists.txt' Makefile .ci/run)
[ "$checked" -gt 0 ] || fail "no source files found"
finish
