# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# The experiments of soak.sh on saves, concurrent writers, the window and full disks, one function each.
# Sourced after soaklib.sh.

# A folder with settings of its own and a copy of a generated database as db/db.tfx.
fresh_folder() {
    local folder=$1 source=$2
    rm -rf "$folder"
    mkdir -p "$folder/db"
    make_settings "$folder"
    cp "$source" "$folder/db/db.tfx"
}

# Whether the database of a kill trial is whole and holds exactly the entries it must: the entries it
# started with (by signature) and the markers listed in expected. Uses inspect's results.
holds_expected() {
    local expected=$1 base=$2
    local count
    count=$(wc -l <"$expected")
    [ "$parsed" = 1 ] && [ "$signature" = "$base" ] && [ "$repeated" = 0 ] && [ "$marker_count" = "$count" ] &&
        [ "$(markers_found "$expected")" = "$count" ]
}

# SIGKILL at a random point of saves (add, or sort by a random key) on one database; adds to the kill_*
# totals. kill_phase FOLDER SOURCE TRIALS
kill_phase() {
    local folder=$1 source=$2 trials=$3
    local db=$folder/db/db.tfx expected=$folder/expected
    fresh_folder "$folder" "$source"
    : >"$expected"
    # Three saves that run to their end: their time sets the range of the kill points, and they write the
    # file once with the program's own writer, which the signature starts from.
    local durations=() i start rc
    for i in 1 2 3; do
        start=$(now_ms)
        run_cli "$folder" -f "$db" add --type Soak --amount 1 --no-receipt --note "soak-kill-c$i" \
            >/dev/null 2>>"$folder/cli.err"
        rc=$?
        durations+=($(($(now_ms) - start)))
        if [ "$rc" = 0 ]; then
            echo "soak-kill-c$i" >>"$expected"
        else
            kill_errors=$((kill_errors + 1))
        fi
    done
    local typical longest
    typical=$(printf '%s\n' "${durations[@]}" | sort -n | sed -n 2p)
    longest=$((typical * 13 / 10 + 1))
    kill_details+=("$trials on $(grep -c $'^item\t' "$source") entries: a save takes about $typical ms; killed at 0-$longest ms")
    inspect "$db" soak-kill-
    local base=$signature
    if ! holds_expected "$expected" "$base"; then
        kill_corrupt=$((kill_corrupt + 1))
    fi

    local keys=(name date amount receipt paidwith source) trial marker pid killed
    local before=$folder/temporaries.before after=$folder/temporaries.after
    for ((trial = 1; trial <= trials; ++trial)); do
        marker=soak-kill-$trial
        { temporaries_beside "$db" && temporaries_beside "$folder/registry.reg"; } >"$before"
        if ((RANDOM % 4 == 0)); then
            (
                export TALLYFOX_REGISTRY=$folder/registry.reg
                exec "$cli" -f "$db" sort "${keys[RANDOM % 6]}"
            ) >/dev/null 2>>"$folder/cli.err" &
            marker=
        else
            (
                export TALLYFOX_REGISTRY=$folder/registry.reg
                exec "$cli" -f "$db" add --type Soak --amount 2 --no-receipt --note "$marker"
            ) >/dev/null 2>>"$folder/cli.err" &
        fi
        pid=$!
        sleep_ms "$(random_below "$longest")"
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        rc=$?
        killed=0
        [ "$rc" = 137 ] && killed=1
        inspect "$db" soak-kill-
        # Old or new: a killed add may or may not have stored its entry; one that ended with success must
        # have, one that failed must not have.
        if [ -n "$marker" ] && { [ "$rc" = 0 ] || grep -qxF "$marker" "$work/markers"; }; then
            echo "$marker" >>"$expected"
        fi
        if ! holds_expected "$expected" "$base"; then
            kill_corrupt=$((kill_corrupt + 1))
            # Go on from what the file now holds, so that one fault is counted once.
            cp "$work/markers" "$expected"
            base=$signature
        fi
        { temporaries_beside "$db" && temporaries_beside "$folder/registry.reg"; } >"$after"
        if [ "$killed" = 0 ]; then
            [ "$rc" != 0 ] && kill_errors=$((kill_errors + 1))
            # A save that ran to its end leaves no temporary file of its own; those of killed saves stay
            # until nothing has written to them for a minute.
            [ "$(new_temporaries "$before" "$after")" != 0 ] && kill_leftovers=$((kill_leftovers + 1))
        else
            kill_killed=$((kill_killed + 1))
            kill_left=$((kill_left + $(new_temporaries "$before" "$after")))
        fi
    done

    # One last save that runs to its end, once the killed saves' leftovers are two minutes old, removes
    # them all.
    local waiting
    waiting=$(wc -l <"$after")
    age_temporaries "$db"
    age_temporaries "$folder/registry.reg"
    run_cli "$folder" -f "$db" add --type Soak --amount 3 --no-receipt --note soak-kill-end \
        >/dev/null 2>>"$folder/cli.err" && echo soak-kill-end >>"$expected"
    inspect "$db" soak-kill-
    holds_expected "$expected" "$base" || kill_corrupt=$((kill_corrupt + 1))
    local remaining
    remaining=$(($(leftovers_beside "$db") + $(leftovers_beside "$folder/registry.reg")))
    kill_leftovers=$((kill_leftovers + remaining))
    kill_details+=("temporary files of killed saves waiting before the last save: $waiting; left after it: $remaining")
    local entries
    entries=$(($(grep -c $'^item\t' "$source") + $(wc -l <"$expected")))
    kill_expected=$((kill_expected + entries))
    if [ "$parsed" = 1 ] && [ "$signature" = "$base" ]; then
        kill_found=$((kill_found + entries - $(wc -l <"$expected") + $(markers_found "$expected")))
    else
        kill_found=$((kill_found + $(grep -c $'^item\t' "$db")))
    fi
    [ -s "$folder/cli.err" ] && kill_details+=("first message: $(first_message "$folder/cli.err")")
}

kill_saves() {
    kill_expected=0 kill_found=0 kill_corrupt=0 kill_leftovers=0 kill_errors=0 kill_killed=0 kill_left=0
    kill_details=()
    local large=$kill_large_trials
    ((large > kill_trials)) && large=$kill_trials
    kill_phase "$work/kill-large" "$work/large.tfx" "$large"
    kill_phase "$work/kill-small" "$work/small.tfx" $((kill_trials - large))
    kill_details+=("$kill_killed of $kill_trials saves killed, $kill_left of them leaving a temporary file; saves that ran to their end but failed: $kill_errors")
    report kill-saves "$kill_trials" "$kill_expected" "$kill_found" "$kill_corrupt" "$kill_leftovers" \
        "${kill_details[@]}"
    [ "$kill_errors" != 0 ] && failed=1
    rm -rf "$work/kill-large" "$work/kill-small"
}

# Two adds on one database, the second 2-20 ms after the first: both must keep their entry, with
# different receipt numbers.
concurrent_pairs() {
    local folder=$work/pairs db=$work/pairs/db/db.tfx expected=$work/pairs/expected
    fresh_folder "$folder" "$work/small.tfx"
    : >"$expected"
    local pair first second rc_first rc_second refused=0 corrupt=0
    for ((pair = 1; pair <= pairs; ++pair)); do
        (
            export TALLYFOX_REGISTRY=$folder/registry.reg
            exec "$cli" -f "$db" add --type Pair --amount 4 --receipt --note "soak-pair-$pair-a"
        ) >/dev/null 2>>"$folder/cli.err" &
        first=$!
        sleep_ms $((2 + RANDOM % 19))
        (
            export TALLYFOX_REGISTRY=$folder/registry.reg
            exec "$cli" -f "$db" add --type Pair --amount 5 --receipt --note "soak-pair-$pair-b"
        ) >/dev/null 2>>"$folder/cli.err" &
        second=$!
        wait "$first"
        rc_first=$?
        wait "$second"
        rc_second=$?
        printf 'soak-pair-%d-a\nsoak-pair-%d-b\n' "$pair" "$pair" >>"$expected"
        [ "$rc_first" != 0 ] && refused=$((refused + 1))
        [ "$rc_second" != 0 ] && refused=$((refused + 1))
        inspect "$db" soak-pair-
        [ "$parsed" = 1 ] || corrupt=$((corrupt + 1))
    done
    inspect "$db" soak-pair-
    local found repeated_receipts
    found=$(markers_found "$expected")
    repeated_receipts=$(awk -F'\t' '$13 ~ /^soak-pair-/ { print $12 }' "$db" | sort | uniq -d | wc -l)
    report concurrent-adds "$pairs" $((pairs * 2)) "$found" "$corrupt" "$(leftovers_beside "$db")" \
        "adds that failed: $refused; receipt numbers used twice: $repeated_receipts" \
        "$([ -s "$folder/cli.err" ] && echo "first message: $(first_message "$folder/cli.err")")"
    rm -rf "$folder"
}

# The program's window open on a database while tallyfox-cli adds to it every ~100 ms; then the window
# is closed. Every entry the tool added must be in the file.
window_and_cli() {
    local folder=$work/window db=$work/window/db/db.tfx expected=$work/window/expected
    fresh_folder "$folder" "$work/small.tfx"
    : >"$expected"
    (
        export TALLYFOX_REGISTRY=$folder/registry.reg
        exec "$program" -f "$db"
    ) >"$folder/window.out" 2>&1 &
    local window=$!
    # Start-up reads the file and writes it once; adds begin when it is surely done.
    sleep 3
    local details=()
    kill -0 "$window" 2>/dev/null || details+=("the window ended at start: $(first_message "$folder/window.out")")
    local adds=0 refused=0 end=$((SECONDS + window_seconds))
    while ((SECONDS < end)); do
        adds=$((adds + 1))
        run_cli "$folder" -f "$db" add --type Window --amount 6 --no-receipt --note "soak-window-$adds" \
            >/dev/null 2>>"$folder/cli.err" || refused=$((refused + 1))
        echo "soak-window-$adds" >>"$expected"
        sleep 0.1
    done
    # The program has no quit request from outside; SIGTERM is what a session's end sends it.
    kill -TERM "$window" 2>/dev/null
    local tenths
    for ((tenths = 0; tenths < 100; ++tenths)); do
        kill -0 "$window" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$window" 2>/dev/null; then
        kill -KILL "$window"
        details+=("the window did not end within 10 s of SIGTERM")
    fi
    wait "$window" 2>/dev/null
    inspect "$db" soak-window-
    details+=("adds that failed: $refused of $adds")
    [ -s "$folder/cli.err" ] && details+=("first message: $(first_message "$folder/cli.err")")
    report window-and-cli "$adds" "$adds" "$(markers_found "$expected")" $((1 - parsed)) \
        $(($(leftovers_beside "$db") + $(leftovers_beside "$folder/registry.reg"))) "${details[@]}"
    rm -rf "$folder"
}

# SIGKILL at a random moment of the window's start-up, whose write of the database runs on a thread of its
# own while the list is shown: the file is whole and holds every entry, as it was or as written.
kill_window_writes() {
    local folder=$work/window-kill db=$work/window-kill/db/db.tfx trials=$kill_large_trials
    fresh_folder "$folder" "$work/large.tfx"
    inspect "$db" ""
    local base=$signature entries
    entries=$(grep -c $'^item\t' "$db")
    # One start-up that runs until its write has ended (the backup is there and no temporary file is
    # left) sets the range of the kill points.
    local started ended=0 window
    started=$(now_ms)
    TALLYFOX_REGISTRY=$folder/registry.reg "$program" -f "$db" >"$folder/window.out" 2>&1 &
    window=$!
    local hundredths
    for ((hundredths = 0; hundredths < 3000; ++hundredths)); do
        if [ -e "$db.bak" ] && [ -z "$(temporaries_beside "$db")" ]; then
            ended=$(($(now_ms) - started))
            break
        fi
        sleep 0.01
    done
    kill -KILL "$window" 2>/dev/null
    wait "$window" 2>/dev/null
    local details=("a start-up and its write take about $ended ms; killed at 0-$((ended * 2)) ms")
    ((ended > 0)) || details+=("the window's write did not end: $(first_message "$folder/window.out")")
    local trial whole=0 corrupt=0 found=0
    for ((trial = 1; trial <= trials; ++trial)); do
        cp "$work/large.tfx" "$db"
        rm -f "$db.bak"
        TALLYFOX_REGISTRY=$folder/registry.reg "$program" -f "$db" >"$folder/window.out" 2>&1 &
        window=$!
        sleep_ms "$(random_below $((ended * 2 + 1)))"
        kill -KILL "$window" 2>/dev/null
        wait "$window" 2>/dev/null
        inspect "$db" ""
        if [ "$parsed" = 1 ] && [ "$signature" = "$base" ]; then
            whole=$((whole + 1))
            found=$((found + entries))
        else
            corrupt=$((corrupt + 1))
        fi
    done
    details+=("files whole after the kill: $whole of $trials, $entries entries each")
    # Temporary files of killed writes stay until a later save finds them two minutes old.
    report kill-window-writes "$trials" $((trials * entries)) "$found" "$corrupt" 0 "${details[@]}"
    rm -rf "$folder"
}

# Adds on a disk that fills up: each either succeeds (its entry in the file) or fails with a non-zero
# exit (the file as it was), and the file is never cut. disk_trials NAME FOLDER KIND (tmpfs or fsize)
run_disk_trials() {
    local name=$1 folder=$2 kind=$3
    local db=$folder/db.tfx expected=$work/$name.expected filler=$folder/filler
    make_settings "$folder"
    cp "$work/disk.tfx" "$db"
    : >"$expected"
    run_cli "$folder" -f "$db" add --type Disk --amount 7 --no-receipt --note soak-disk-0 >/dev/null 2>&1 &&
        echo soak-disk-0 >>"$expected"
    inspect "$db" soak-disk-
    local base=$signature size trial rc corrupt=0 leftovers=0 stored=0 false_failures=0 unknown=0
    size=$(stat -c %s "$db")
    for ((trial = 1; trial <= disk_trials; ++trial)); do
        local marker=soak-disk-$trial
        if [ "$kind" = tmpfs ]; then
            rm -f "$filler"
            local room
            room=$(($(df -B1 --output=avail "$folder" | tail -n 1) - $(random_below $((size * 5 / 2)))))
            ((room > 0)) && head -c "$room" /dev/zero >"$filler" 2>/dev/null
            run_cli "$folder" -f "$db" add --type Disk --amount 8 --no-receipt --note "$marker" \
                >/dev/null 2>"$work/disk.err"
            rc=$?
        else
            local blocks=$(((size / 2 + $(random_below "$size")) / 1024))
            (
                trap '' XFSZ
                ulimit -f "$blocks"
                export TALLYFOX_REGISTRY=$folder/registry.reg
                exec "$cli" -f "$db" add --type Disk --amount 8 --no-receipt --note "$marker"
            ) >/dev/null 2>"$work/disk.err"
            rc=$?
        fi
        inspect "$db" soak-disk-
        if [ "$rc" = 0 ] || [ "$rc" = 3 ]; then
            echo "$marker" >>"$expected"
            stored=$((stored + 1))
        elif grep -qxF "$marker" "$work/markers"; then
            # Stored, but the exit said otherwise: a retrying script would add it twice.
            echo "$marker" >>"$expected"
            false_failures=$((false_failures + 1))
        fi
        grep -q 'Unknown error' "$work/disk.err" && unknown=$((unknown + 1))
        if ! holds_expected "$expected" "$base"; then
            corrupt=$((corrupt + 1))
            cp "$work/markers" "$expected"
            base=$signature
        fi
        [ $(($(leftovers_beside "$db") + $(leftovers_beside "$folder/registry.reg"))) != 0 ] &&
            leftovers=$((leftovers + 1))
    done
    rm -f "$filler"
    local entries
    entries=$(($(grep -c $'^item\t' "$work/disk.tfx") + $(wc -l <"$expected")))
    local found=$(($(grep -c $'^item\t' "$db")))
    [ "$parsed" = 1 ] && [ "$signature" = "$base" ] && found=$((entries - $(wc -l <"$expected") + $(markers_found "$expected")))
    report "$name" "$disk_trials" "$entries" "$found" "$corrupt" "$leftovers" \
        "adds stored: $stored; failed but stored anyway: $false_failures; messages ending in \"Unknown error\": $unknown"
    [ "$false_failures" != 0 ] && failed=1
}

full_disk() {
    local folder=$work/tmpfs
    mkdir -p "$folder"
    if [ "$(id -u)" != 0 ] || ! mount -t tmpfs -o size=1m,mode=700 tmpfs "$folder" 2>/dev/null; then
        echo "full-disk: skipped: no tmpfs can be mounted here (file-size-limit covers the failing writes)"
        return
    fi
    mounts+=("$folder")
    run_disk_trials full-disk "$folder" tmpfs
    umount "$folder"
    unset 'mounts[-1]'
}

file_size_limit() {
    mkdir -p "$work/fsize"
    run_disk_trials file-size-limit "$work/fsize" fsize
    rm -rf "$work/fsize"
}
