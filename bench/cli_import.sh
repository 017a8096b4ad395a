#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# Times `tallyfox-cli import` of a spreadsheet's CSV file as a user runs it, the whole process with its
# start-up, into an empty database, and `tallyfox-cli report` on the database the import wrote, each in a
# registry and settings folder of its own. The CSV file is the export (--format csv) of a generated
# database, so every row is read: dates, amounts in the primary currency beside the own ones, receipts.
#
# Usage: bench/cli_import.sh [BUILD_DIR] [RUNS] [ENTRIES]     (defaults: build 7 100000)
# Prints the median and fastest wall time of each and how many times the report the import takes, as
# the median of paired runs.
set -euo pipefail

build=${1:-build}
runs=${2:-7}
entries=${3:-100000}
cli=$build/bin/tallyfox-cli
gen=$build/bin/tallyfox-gen
for program in "$cli" "$gen"; do
    if [[ ! -x $program ]]; then
        echo "cli_import.sh: $program is missing; build the tallyfox-cli and tallyfox-gen targets first" >&2
        exit 2
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TALLYFOX_REGISTRY=$work/registry.reg
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data HOME=$work
export LC_ALL=C.UTF-8 TALLYFOX_NOW=2024-06-15T12:00:00

"$gen" --entries "$entries" --years 20 --last-year 2024 --seed 1 --out "$work/generated.tfx"
statement=$work/statement.csv
"$cli" -f "$work/generated.tfx" export --format csv --out "$statement" 2>/dev/null
imported=$work/imported.tfx

# An import into an empty database: the one before it, its backup and the edit log are gone.
import_once() {
    rm -f "$imported" "$imported.bak" "$work"/settings/*.log
    "$cli" -f "$imported" -d "$work/settings" import "$statement"
}
mkdir -p "$work/settings"
# The first run creates the registry and the settings files, as any first run does; its tally is shown.
import_once 2>/dev/null

# Times one run of the command, in microseconds, into elapsed.
time_once() {
    local start end
    start=${EPOCHREALTIME/[.,]/}
    "$@" >/dev/null 2>&1
    end=${EPOCHREALTIME/[.,]/}
    elapsed=$((end - start))
}

# "median fastest" in milliseconds of the times given.
summary() {
    printf '%s\n' "$@" | sort -n |
        awk -v n="$#" '{ t[NR] = $1 / 1000 } END { printf "%.1f %.1f\n", t[int((n + 1) / 2)], t[1] }'
}

# The two take turns, so that a slower moment of a shared machine falls on both alike; the ratio is
# the median of the ratios of each pair.
import_times=() report_times=() ratios=()
for ((run = 0; run < runs; run++)); do
    time_once import_once
    import_times+=("$elapsed")
    time_once "$cli" -f "$imported" -d "$work/settings" report
    report_times+=("$elapsed")
    ratios+=("$(awk -v i="${import_times[-1]}" -v r="$elapsed" 'BEGIN { printf "%.3f", i / r }')")
done
read -r import_median import_fastest <<<"$(summary "${import_times[@]}")"
read -r report_median report_fastest <<<"$(summary "${report_times[@]}")"
ratio=$(printf '%s\n' "${ratios[@]}" | sort -n | awk -v n="$runs" '{ r[NR] = $1 } END { printf "%.1f", r[int((n + 1) / 2)] }')

echo "$entries rows, $(du -h "$statement" | cut -f1) CSV file, $runs runs each, load $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-44s median %7s ms  fastest %7s ms\n' \
    "tallyfox-cli -f NEW import FILE.csv" "$import_median" "$import_fastest" \
    "tallyfox-cli -f NEW report" "$report_median" "$report_fastest"
echo "import / report: $ratio times (the median of $runs paired runs)"
