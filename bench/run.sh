#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# Runs every benchmark program of BUILD_DIR (bin/tallyfox-bench-*) and prints the median of each
# benchmark: 5 repetitions for up to 100k entries, 3 for 1M entries. Then, for scale, times an awk
# one-liner that sums the same 100k-entry file per currency and type, and last prints the goals' table
# (goals.sh): the waits that matter as ratios to an awk pass at 10k, 100k and 1M entries.
# BENCH_REPETITIONS and BENCH_LARGE_REPETITIONS change the repetitions.
set -euo pipefail

build_dir=${1:-build}
bin_dir="$build_dir/bin"
repetitions=${BENCH_REPETITIONS:-5}
large_repetitions=${BENCH_LARGE_REPETITIONS:-3}
large='/1000000($|/)'

shopt -s nullglob
programs=("$bin_dir"/tallyfox-bench-*)
if [ ${#programs[@]} -eq 0 ]; then
    echo "no benchmark programs in $bin_dir (configure with -DTALLYFOX_BENCH=ON)" >&2
    exit 1
fi

# The console table's header and its median rows.
medians() {
    grep -E '^(Benchmark|-{10,}|.*_median)' || true
}

run_program() {
    local program=$1 filter=$2 count=$3
    if [ -z "$("$program" --benchmark_list_tests=true --benchmark_filter="$filter" 2>/dev/null)" ]; then
        return 0
    fi
    "$program" --benchmark_filter="$filter" --benchmark_repetitions="$count" \
        --benchmark_report_aggregates_only=true --benchmark_counters_tabular=false 2>/dev/null | medians
}

echo "== $(nproc) cores; load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"
for program in "${programs[@]}"; do
    echo
    echo "== $(basename "$program")"
    run_program "$program" "-$large" "$repetitions"
    run_program "$program" "$large" "$large_repetitions"
done

# For scale: awk reading a file of the same 100k generated entries and summing it per currency and type.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bin_dir/tallyfox-gen" --entries 100000 --seed 20240601 --out "$work/100k.tfx"
sum_per_currency_and_type() {
    awk -F'\t' '$1 == "item" { sum[$5 "\t" $8] += ($7 == "true" ? -$6 : $6) }
        END { for (key in sum) printf "%s\t%.2f\n", key, sum[key] }' "$1" >/dev/null
}
TIMEFORMAT=%R
times=()
for _ in 1 2 3 4 5 6 7; do
    times+=("$({ time sum_per_currency_and_type "$work/100k.tfx"; } 2>&1)")
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 4p)
echo
echo "== awk ($(readlink -f "$(command -v awk)")) summing 100k entries ($(stat -c %s "$work/100k.tfx") bytes) per currency and type"
echo "runs (s): ${times[*]}"
echo "median: $(awk -v s="$median" 'BEGIN { printf "%.1f ms", s * 1000 }')"
echo
"$(dirname "${BASH_SOURCE[0]}")/goals.sh" "$build_dir"
echo
echo "== load average at end: $(cut -d' ' -f1-3 /proc/loadavg)"
