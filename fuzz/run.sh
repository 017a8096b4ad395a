#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# Runs every fuzz target in FUZZ_DIR/bin for SECONDS each. A target NAME_fuzz works in the corpus folder
# fuzz/corpus-NAME (not committed), which starts from the committed seeds in fuzz/seeds/NAME/; faults
# are kept in fuzz/artifacts-NAME/. Prints each target's executions and result; fails if any target
# found a fault.
set -uo pipefail

if [ $# -lt 1 ]; then
    echo "usage: $0 FUZZ_DIR [SECONDS]" >&2
    exit 2
fi
fuzz_dir=$1
seconds=${2:-600}
root=$(cd "$(dirname "$0")/.." && pwd)

shopt -s nullglob
targets=("$fuzz_dir"/bin/*_fuzz)
if [ ${#targets[@]} -eq 0 ]; then
    echo "no fuzz targets in $fuzz_dir/bin" >&2
    exit 1
fi

failed=0
summary=()
for target in "${targets[@]}"; do
    [ -x "$target" ] || continue
    name=$(basename "$target" _fuzz)
    corpus="$root/fuzz/corpus-$name"
    seeds="$root/fuzz/seeds/$name"
    artifacts="$root/fuzz/artifacts-$name"
    log="$fuzz_dir/fuzz-$name.log"
    mkdir -p "$corpus" "$artifacts"
    corpora=("$corpus")
    [ -d "$seeds" ] && corpora+=("$seeds")

    echo "== $name: fuzzing for $seconds s (log: $log)"
    "$target" -max_total_time="$seconds" -timeout=30 -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "${corpora[@]}" >"$log" 2>&1
    status=$?

    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    [ -n "$executions" ] || executions=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$log" | tail -n 1)
    units=$(find "$corpus" -type f | wc -l)
    if [ $status -eq 0 ]; then
        result="no fault found"
    else
        failed=1
        artifact=$(sed -n 's/.*Test unit written to //p' "$log" | tail -n 1)
        result="FAULT (exit $status)${artifact:+, input kept in $artifact}; see $log"
        grep -m 1 -E 'ERROR|SUMMARY|deadly signal' "$log" | sed 's/^/   /'
    fi
    line="$name: ${executions:-?} executions in $seconds s, corpus $units inputs: $result"
    echo "$line"
    summary+=("$line")
done

echo
echo "== fuzzing summary"
printf '%s\n' "${summary[@]}"
exit $failed
