#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# Times `tallyfox-cli report` as a user runs it: the whole process, start-up included, on a generated
# database, in a registry and settings folder of its own. For comparison it times an awk one-liner that
# sums the same file per currency and type (income and expenses apart).
#
# Usage: bench/cli_report.sh [BUILD_DIR] [RUNS] [ENTRIES]     (defaults: build 21 100000)
# Prints the median and fastest wall time of each, and the CPU time (user + system) per run.
set -euo pipefail

build=${1:-build}
runs=${2:-21}
entries=${3:-100000}
cli=$build/bin/tallyfox-cli
gen=$build/bin/tallyfox-gen
for program in "$cli" "$gen"; do
    if [[ ! -x $program ]]; then
        echo "cli_report.sh: $program is missing; build the tallyfox-cli and tallyfox-gen targets first" >&2
        exit 2
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
database=$work/data.tfx
"$gen" --entries "$entries" --years 20 --last-year 2024 --seed 1 --out "$database"

export TALLYFOX_REGISTRY=$work/registry.reg
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data HOME=$work
export LC_ALL=C.UTF-8 TALLYFOX_NOW=2024-06-15T12:00:00

# The first run creates the registry, the settings folder and its files, as any first run does.
"$cli" -f "$database" report >/dev/null 2>&1

sum_per_currency_and_type() {
    awk -F'\t' '$1 == "item" { k = $5 "\t" $8; if ($7 == "true") i[k] += $6; else e[k] += $6 }
        END { for (k in e) printf "%s\t%.2f\t%.2f\n", k, i[k], e[k]; for (k in i) if (!(k in e)) printf "%s\t%.2f\t0.00\n", k, i[k] }' \
        "$database"
}

# User plus system time of the finished children, in milliseconds, from the output of `times`.
cpu_ms() {
    awk 'function ms(t, m) { split(t, m, "m"); return (m[1] * 60 + m[2]) * 1000 }
        NR == 2 { printf "%d", ms($1) + ms($2) }' "$1"
}

# Runs the command RUNS times; sets result to "median fastest cpu-per-run" in milliseconds.
time_runs() {
    local times=() start end
    # `times` must run in this shell: a command substitution would ask a new process, with no children.
    times >"$work/before"
    for ((run = 0; run < runs; run++)); do
        start=${EPOCHREALTIME/[.,]/}
        "$@" >/dev/null
        end=${EPOCHREALTIME/[.,]/}
        # Microseconds; nothing else is started inside the loop, so the CPU time is the command's own.
        times+=($((end - start)))
    done
    times >"$work/after"
    local cpu=$((($(cpu_ms "$work/after") - $(cpu_ms "$work/before")) / runs))
    result=$(printf '%s\n' "${times[@]}" | sort -n |
        awk -v n="$runs" -v cpu="$cpu" '{ t[NR] = $1 / 1000 } END { printf "%.1f %.1f %d\n", t[int((n + 1) / 2)], t[1], cpu }')
}

time_runs "$cli" -f "$database" report
read -r cli_median cli_fastest cli_cpu <<<"$result"
time_runs sum_per_currency_and_type
read -r awk_median awk_fastest awk_cpu <<<"$result"

echo "$entries entries, $(du -h "$database" | cut -f1) database, $runs runs each"
printf '%-46s median %7s ms  fastest %7s ms  cpu %4s ms\n' \
    "tallyfox-cli -f FILE report" "$cli_median" "$cli_fastest" "$cli_cpu" \
    "awk sum per currency and type" "$awk_median" "$awk_fastest" "$awk_cpu"
