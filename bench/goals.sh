#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# The work a person waits for, at 10k, 100k and 1M entries, each as a ratio to one awk pass over the same
# file in the same run: `tallyfox-cli report`, `sort date` and `add` as whole processes (with their peak
# memory), and, in process, reading the database, the window's start-up to a shown list and one stored or
# deleted entry until the window is ready again (tallyfox-bench-database, tallyfox-bench-mainform). The
# command runs interleave with the awk runs, each ratio the median of the rounds' ratios to their own awk
# run; the in-process benchmarks are compared with the mean of the awk medians taken just before and just
# after them.
#
# Usage: bench/goals.sh [BUILD_DIR]      (default build)
# GOALS_SIZES ("10000 100000 1000000") and GOALS_RUNS (7: runs of each command per size; 5 at 1M) change
# what is measured.
set -euo pipefail

build=${1:-build}
bin=$build/bin
sizes=${GOALS_SIZES:-10000 100000 1000000}
for program in tallyfox-cli tallyfox-gen tallyfox-bench-database tallyfox-bench-mainform; do
    if [[ ! -x $bin/$program ]]; then
        echo "goals.sh: $bin/$program is missing; build first" >&2
        exit 2
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TALLYFOX_REGISTRY=$work/registry.reg
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data HOME=$work XDG_RUNTIME_DIR=$work/run
export LC_ALL=C.UTF-8 TALLYFOX_NOW=2024-06-15T12:00:00 QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# The awk pass: sums per currency and type, income and expenses apart, as a person would total a file.
cat >"$work/pass.awk" <<'EOF'
$1 == "item" { k = $5 "\t" $8; if ($7 == "true") i[k] += $6; else e[k] += $6 }
END { for (k in e) printf "%s\t%.2f\t%.2f\n", k, i[k], e[k]; for (k in i) if (!(k in e)) printf "%s\t%.2f\t0.00\n", k, i[k] }
EOF
awk_pass=(awk -F'\t' -f "$work/pass.awk")

# Runs a command once and appends "milliseconds peak-kilobytes" to the file named first.
time_once() {
    local out=$1
    shift
    /usr/bin/time -o "$work/time" -f '%e %M' "$@" >/dev/null 2>"$work/stderr" || {
        echo "goals.sh: failed: $* ($(head -n 1 "$work/stderr"))" >&2
        exit 1
    }
    awk '{ printf "%.1f %d\n", $1 * 1000, $2 }' "$work/time" >>"$out"
}

# The wall time that /usr/bin/time gives in hundredths is too coarse for 10k entries, so each command is
# timed by the shell as well: "milliseconds" appended to the file named first.
time_precise() {
    local out=$1 start end
    shift
    start=${EPOCHREALTIME/[.,]/}
    "$@" >/dev/null 2>&1
    end=${EPOCHREALTIME/[.,]/}
    echo "$(((end - start) / 1000)).$((((end - start) % 1000) / 100))" >>"$out"
}

median() {
    sort -n "$1" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

# The median of the runs' ratios to the awk pass of the same round: the speed of a virtual machine drifts
# by a third within minutes, which the two medians apart would take for a change of the command.
paired_ratio() {
    paste "$1" "$2" | awk '$2 > 0 { print $1 / $2 }' | sort -n |
        awk '{ v[NR] = $1 } END { if (NR > 0) printf "%.2f", v[int((NR + 1) / 2)]; else printf "?" }'
}

peak_mb() {
    sort -n -k2 "$1" | tail -n 1 | awk '{ printf "%.0f", $2 / 1024 }'
}

# The median of a Google Benchmark over three repetitions: bench_ms PROGRAM NAME [COUNTER] prints the
# time in milliseconds and, when asked, the value of a counter after it.
bench_ms() {
    "$bin/$1" --benchmark_filter="^$2\$" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true \
        --benchmark_format=csv 2>/dev/null | awk -F, -v name="\"$2_median\"" -v counter="${3:-}" '
        $1 == "name" { for (i = 1; i <= NF; i++) column[$i] = i }
        $1 == name { t = $column["real_time"]; unit = $column["time_unit"]; gsub(/"/, "", unit)
                     if (unit == "us") t /= 1000; else if (unit == "ns") t /= 1e6; else if (unit == "s") t *= 1000
                     printf "%.1f", t
                     if (counter != "") printf " %.0f", $column[counter] }'
}

ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0 && a != "") printf "%.2f", a / b; else printf "?" }'
}

declare -A result
for size in $sizes; do
    runs=${GOALS_RUNS:-$([ "$size" -ge 1000000 ] && echo 5 || echo 7)}
    database=$work/$size.tfx
    "$bin/tallyfox-gen" --entries "$size" --seed 20240601 --out "$database"
    # The first run makes the registry and the settings folder, as any first run does.
    "$bin/tallyfox-cli" -f "$database" report >/dev/null 2>&1
    cp "$database" "$work/add.tfx" && sync "$work/add.tfx"
    for name in awk report sort add; do
        : >"$work/$name.times"
        : >"$work/$name.precise"
    done
    for ((run = 0; run < runs; run++)); do
        time_precise "$work/awk.precise" "${awk_pass[@]}" "$database"
        time_precise "$work/report.precise" "$bin/tallyfox-cli" -f "$database" report
        # The copy goes to the disk first, or the sort's first sync would wait for it.
        cp "$database" "$work/sort.tfx" && sync "$work/sort.tfx"
        time_precise "$work/sort.precise" "$bin/tallyfox-cli" -f "$work/sort.tfx" sort date
        time_precise "$work/add.precise" "$bin/tallyfox-cli" -f "$work/add.tfx" add --type Goal --amount 1 \
            --no-receipt
        # The same once more under /usr/bin/time, for the peak memory.
        time_once "$work/awk.times" "${awk_pass[@]}" "$database"
        time_once "$work/report.times" "$bin/tallyfox-cli" -f "$database" report
        cp "$database" "$work/sort.tfx" && sync "$work/sort.tfx"
        time_once "$work/sort.times" "$bin/tallyfox-cli" -f "$work/sort.tfx" sort date
        time_once "$work/add.times" "$bin/tallyfox-cli" -f "$work/add.tfx" add --type Goal --amount 1 --no-receipt
    done
    awk_ms=$(median "$work/awk.precise")
    result[awk,$size]=$awk_ms
    result[awk.peak,$size]=$(peak_mb "$work/awk.times")
    for name in report sort add; do
        result[$name,$size]=$(median "$work/$name.precise")
        result[$name.paired,$size]=$(paired_ratio "$work/$name.precise" "$work/awk.precise")
        result[$name.peak,$size]=$(peak_mb "$work/$name.times")
    done

    result[read,$size]=$(bench_ms tallyfox-bench-database "Read/$size")
    read -r "result[startup,$size]" "result[startup.peak,$size]" \
        <<<"$(bench_ms tallyfox-bench-mainform "BM_StartupToShownWindow/$size/iterations:5" held_MB)"
    result[store,$size]=$(bench_ms tallyfox-bench-mainform "BM_StoreOneEntry/$size/iterations:20")
    result[delete,$size]=$(bench_ms tallyfox-bench-mainform "BM_DeleteEntry/$size/iterations:10")
    : >"$work/awk.after"
    for ((run = 0; run < runs; run++)); do
        time_precise "$work/awk.after" "${awk_pass[@]}" "$database"
    done
    result[awk.in,$size]=$(awk -v a="$awk_ms" -v b="$(median "$work/awk.after")" 'BEGIN { printf "%.1f", (a + b) / 2 }')
done

echo "== goals: each work as a ratio to one awk pass ($(readlink -f "$(command -v awk)")) over the same file"
echo "   $(nproc) cores; load average at the end $(cut -d' ' -f1-3 /proc/loadavg); MB: the process's peak"
echo "   resident size, for the window what starting it added"
printf '%-31s' "work"
for size in $sizes; do
    printf '%22s' "$((size / 1000))k: ms (x awk)"
done
printf '%12s\n' "MB at $((${sizes##* } / 1000))k"
row() {
    local label=$1 key=$2 base=$3 peak=$4 last=
    printf '%-31s' "$label"
    for size in $sizes; do
        local ms=${result[$key,$size]:-}
        printf '%14s (%5s)' "${ms:-?}" "${result[$key.paired,$size]:-$(ratio "$ms" "${result[$base,$size]}")}"
        last=$size
    done
    printf '%12s\n' "${peak:+${result[$key.peak,$last]:-}}"
}
row "awk one pass" awk awk peak
row "tallyfox-cli report" report awk peak
row "tallyfox-cli sort date" sort awk peak
row "tallyfox-cli add" add awk peak
row "read (in process)" read awk.in ""
row "window start-up, list shown" startup awk.in peak
row "store one entry, window ready" store awk.in ""
row "delete one entry, window ready" delete awk.in ""
echo "goals at 1M: report <= 0.2x and <= 100 MB; sort date, add <= 0.6x; start-up <= 0.8x; store, delete <= 0.1x"
