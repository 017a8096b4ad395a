# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# The experiments of soak.sh on writers that reach one database in different ways: by other paths, and
# from other runtime folders (other sessions or users). Sourced after soaklib.sh.

# Rounds of concurrent adds to one database, real/db.tfx in folder, each writer with a receipt, its own
# registry and settings, its way to the file and its runtime folder: every entry must be kept, and no
# receipt number used twice. concurrent_ways NAME FOLDER ROUNDS WRITER... where WRITER is
# "PATH RUNTIME [USER]" (RUNTIME "-": none set; USER a user number to run as, which owns the writer's
# registry and settings).
concurrent_ways() {
    local name=$1 folder=$2 rounds=$3
    shift 3
    local writers=("$@") db=$folder/real/db.tfx expected=$folder/expected
    : >"$expected"
    local i
    local path runtime user
    for i in "${!writers[@]}"; do
        make_settings "$folder/writer$i"
        read -r path runtime user <<<"${writers[i]}"
        [ -n "$user" ] && chown -R "$user:$user" "$folder/writer$i"
    done
    local round pids refused=0 corrupt=0 rc
    for ((round = 1; round <= rounds; ++round)); do
        pids=()
        for i in "${!writers[@]}"; do
            read -r path runtime user <<<"${writers[i]}"
            (
                export TALLYFOX_REGISTRY=$folder/writer$i/registry.reg
                if [ "$runtime" = - ]; then
                    unset XDG_RUNTIME_DIR
                else
                    export XDG_RUNTIME_DIR=$runtime
                fi
                as_user=()
                [ -n "$user" ] && as_user=(setpriv --reuid="$user" --regid="$user" --clear-groups)
                exec "${as_user[@]}" "$cli" -f "$path" add --type Ways --amount 9 --receipt \
                    --note "soak-$name-$round-$i"
            ) >/dev/null 2>>"$folder/cli.err" &
            pids+=($!)
            echo "soak-$name-$round-$i" >>"$expected"
        done
        for i in "${pids[@]}"; do
            wait "$i"
            rc=$?
            [ "$rc" != 0 ] && refused=$((refused + 1))
        done
        inspect "$db" "soak-$name-"
        [ "$parsed" = 1 ] || corrupt=$((corrupt + 1))
    done
    inspect "$db" "soak-$name-"
    local repeated_receipts
    repeated_receipts=$(awk -F'\t' -v prefix="soak-$name-" 'index($13, prefix) == 1 { print $12 }' "$db" |
        sort | uniq -d | wc -l)
    ways_details+=("adds that failed: $refused; receipt numbers used twice: $repeated_receipts")
    # The messages, with the quoted paths left out, so that those of one kind are counted together.
    local message
    while read -r message; do
        ways_details+=("message: $message")
    done < <(sed 's/"[^"]*"/"..."/g' "$folder/cli.err" | sort | uniq -c | sort -rn | head -n 3 | cut -c 1-200)
    report "$name" "$rounds" $((rounds * ${#writers[@]})) "$(markers_found "$expected")" "$corrupt" \
        $(($(leftovers_beside "$db") + $(leftovers_beside "$folder/writer0/registry.reg"))) "${ways_details[@]}"
    [ "$repeated_receipts" != 0 ] && failed=1
}

# Four writers at once, each through another path to one file: its folder, a second way to the folder
# (a bind mount when running as root, else a symbolic link to it), a symbolic link to the folder and one
# to the file.
two_paths() {
    local folder=$work/paths
    rm -rf "$folder"
    mkdir -p "$folder/real" "$folder/bound"
    cp "$work/small.tfx" "$folder/real/db.tfx"
    ln -s real "$folder/linked"
    ln -s real/db.tfx "$folder/link.tfx"
    ways_details=()
    local second=$folder/linked
    if [ "$(id -u)" = 0 ] && mount --bind "$folder/real" "$folder/bound" 2>/dev/null; then
        mounts+=("$folder/bound")
        second=$folder/bound
        ways_details+=("paths: the folder, a bind mount of it, a link to it, a link to the file")
    else
        ways_details+=("paths: the folder, a link to it (twice: no bind mount here), a link to the file")
    fi
    concurrent_ways two-paths "$folder" "$ways_rounds" "$folder/real/db.tfx $XDG_RUNTIME_DIR" \
        "$second/db.tfx $XDG_RUNTIME_DIR" "$folder/linked/db.tfx $XDG_RUNTIME_DIR" \
        "$folder/link.tfx $XDG_RUNTIME_DIR"
    if [ "$second" = "$folder/bound" ]; then
        umount "$folder/bound"
        unset 'mounts[-1]'
    fi
    rm -rf "$folder"
}

# Four writers at once on one path, with runtime folders of their own (two sessions, or two users), one
# of them with none set at all.
two_runtime_folders() {
    local folder=$work/runtimes
    rm -rf "$folder"
    mkdir -p "$folder/real" "$folder/run-a" "$folder/run-b"
    chmod 700 "$folder/run-a" "$folder/run-b"
    cp "$work/small.tfx" "$folder/real/db.tfx"
    ways_details=("runtime folders: two of their own, the soak's, and none")
    local db=$folder/real/db.tfx
    concurrent_ways two-runtime-folders "$folder" "$ways_rounds" "$db $folder/run-a" "$db $folder/run-b" \
        "$db $XDG_RUNTIME_DIR" "$db -"
    rm -rf "$folder"
}

# Four writers at once on one database that two users share (a folder and a file that both may write;
# the usual umask 022), two as the soak's user and two as another user, each in their own runtime
# folder. Needs the superuser, to run as another user.
two_users() {
    if [ "$(id -u)" != 0 ] || ! command -v setpriv >/dev/null; then
        echo "two-users: skipped: only the superuser can run writers as two users here"
        return
    fi
    local folder=$work/users other=65534
    rm -rf "$folder"
    mkdir -p "$folder/real" "$folder/run-a" "$folder/run-b"
    # The other user reaches the folder and the programs, and the database and its folder are both's.
    chmod o+x "$work"
    chmod 777 "$folder/real"
    chmod 700 "$folder/run-a" "$folder/run-b"
    chown "$other:$other" "$folder/run-b"
    cp "$work/small.tfx" "$folder/real/db.tfx"
    chmod 666 "$folder/real/db.tfx"
    ways_details=("users: $(id -u) and $other, in a folder and on a file both may write")
    local db=$folder/real/db.tfx
    local umask_before
    umask_before=$(umask)
    umask 022
    concurrent_ways two-users "$folder" "$ways_rounds" "$db $folder/run-a" "$db $folder/run-b $other" \
        "$db $folder/run-a" "$db $folder/run-b $other"
    umask "$umask_before"
    rm -rf "$folder"
}
