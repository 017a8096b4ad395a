#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# Soak run: the built programs under kills, concurrent writers (also by other paths to the file, from
# other runtime folders and as two users), the open window, a full disk, files that are no database,
# databases that must be refused, and the user's files beside the database, checking after each trial
# that nothing was lost. Usage:
#
#     tools/soak/soak.sh [--quick] [BIN_DIR]     (BIN_DIR defaults to build/bin)
#
# `make soak` runs the full run: on 2 cores about three minutes when they are idle (184 s at a load
# average of 2) and seven at a load average of 6 (391 s, of which the kills took four minutes); 13
# minutes were seen on a busier machine. `make soak-quick` (--quick) runs every experiment with fewer
# trials in under two minutes (42 s at a load average of 2, 66 s at 6, 96 s at 11); CI runs it.
#
# One line per experiment: "name: trials N, entries expected E, found F, corrupt C, leftovers L".
#   entries expected  entries that must be in the file at the end (those it held, plus every add that
#                     completed or reported success); found: how many of them it holds.
#   corrupt           trials after which the file did not parse, held neither its old nor its new entries,
#                     was changed although it had to stay as it was, or (FIFO) the command hung or
#                     said nothing; for files beside the database, the user's files changed or removed.
#   leftovers         saves that ran to their end and left a temporary file of their own, and temporary
#                     files of killed saves still there after a later save, once they were two minutes
#                     old (a save leaves younger ones alone, as their writer may still be at work).
# Details of failures follow their line, indented. The exit status is 1 when any experiment lost an
# entry or found a corrupt file or a leftover.
#
# Settings (environment; the quick run's in brackets): SOAK_KILL_TRIALS 1000 [100] killed saves,
# SOAK_KILL_LARGE_TRIALS 100 [10] of them on the database of SOAK_LARGE_ENTRIES (100000) entries, the
# others on one of SOAK_SMALL_ENTRIES (10000); SOAK_PAIRS 200 [30] concurrent pairs; SOAK_WAYS_ROUNDS
# 50 [10] rounds of four writers by other paths, from other runtime folders and as two users;
# SOAK_WINDOW_SECONDS 60 [10]; SOAK_DISK_TRIALS 40 [10] per full-disk kind; SOAK_KEEP=1 keeps the work
# folder; SOAK_ONLY=name,... runs some experiments only (the names of their functions below).
set -uo pipefail

quick=0
if [ "${1:-}" = --quick ]; then
    quick=1
    shift
fi
bin_dir=$(cd "${1:-build/bin}" && pwd) || exit 2
cli=$bin_dir/tallyfox-cli
program=$bin_dir/tallyfox
gen=$bin_dir/tallyfox-gen
for needed in "$cli" "$program" "$gen"; do
    if [ ! -x "$needed" ]; then
        echo "soak: $needed is missing: build first (make build)" >&2
        exit 2
    fi
done

# A setting: the environment's value, else the full run's or the quick run's default.
setting() {
    local name=$1 full=$2 short=$3
    if [ -n "${!name:-}" ]; then
        echo "${!name}"
    elif [ "$quick" = 1 ]; then
        echo "$short"
    else
        echo "$full"
    fi
}

kill_trials=$(setting SOAK_KILL_TRIALS 1000 100)
kill_large_trials=$(setting SOAK_KILL_LARGE_TRIALS 100 10)
large_entries=${SOAK_LARGE_ENTRIES:-100000}
small_entries=${SOAK_SMALL_ENTRIES:-10000}
pairs=$(setting SOAK_PAIRS 200 30)
ways_rounds=$(setting SOAK_WAYS_ROUNDS 50 10)
window_seconds=$(setting SOAK_WINDOW_SECONDS 60 10)
disk_trials=$(setting SOAK_DISK_TRIALS 40 10)
only=${SOAK_ONLY:-}

work=$(mktemp -d "${TMPDIR:-/tmp}/tallyfox-soak.XXXXXX")
mounts=()
cleanup() {
    for mount in "${mounts[@]}"; do
        umount "$mount" 2>/dev/null
    done
    if [ "${SOAK_KEEP:-0}" = 1 ]; then
        echo "soak: work folder kept: $work" >&2
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT

# Nothing of the user's: every program run sees the work folder's registry, folders and clock.
export XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export TALLYFOX_NOW=2024-06-01T12:00:00 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
chmod 700 "$XDG_RUNTIME_DIR"

source "$(dirname "${BASH_SOURCE[0]}")/soaklib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/experiments.sh"
source "$(dirname "${BASH_SOURCE[0]}")/specialfiles.sh"
source "$(dirname "${BASH_SOURCE[0]}")/beside.sh"
source "$(dirname "${BASH_SOURCE[0]}")/twoways.sh"

failed=0
echo "== $([ "$quick" = 1 ] && echo "quick ")soak of $bin_dir on $(nproc) cores; load average $(cut -d' ' -f1-3 /proc/loadavg)"
start_time=$SECONDS
"$gen" --entries "$large_entries" --seed 20240601 --out "$work/large.tfx" >/dev/null || exit 2
"$gen" --entries "$small_entries" --seed 20240601 --out "$work/small.tfx" >/dev/null || exit 2
"$gen" --entries 2000 --seed 20240601 --out "$work/disk.tfx" >/dev/null || exit 2
db_header=$(head -n 1 "$work/small.tfx")

for experiment in kill_saves kill_window_writes concurrent_pairs two_paths two_runtime_folders two_users window_and_cli \
    full_disk file_size_limit fifo not_a_database hard_linked read_only beside_files linked_backup; do
    if [ -n "$only" ] && [[ ",$only," != *",$experiment,"* ]]; then
        continue
    fi
    experiment_start=$SECONDS
    "$experiment"
    echo "    ($((SECONDS - experiment_start)) s)"
done

echo "== $((SECONDS - start_time)) s; load average $(cut -d' ' -f1-3 /proc/loadavg)"
exit "$failed"
