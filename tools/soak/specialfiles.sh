# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# The experiments of soak.sh on files that are not what a database should be: a FIFO, and files that
# hold something else. Sourced after soaklib.sh.

# A FIFO as database or registry: every command must come back at once, non-zero, with a message, and
# the FIFO must stay a FIFO.
fifo() {
    local folder=$work/fifo
    mkdir -p "$folder/reg"
    make_settings "$folder"
    mkfifo "$folder/db.tfx" "$folder/reg/registry.reg"
    local trials=0 corrupt=0 details=() command rc
    local commands=("add --type Fifo --amount 1" "sort name" "list" "export" "report")
    for command in "${commands[@]}" "registry: add --type Fifo --amount 1"; do
        trials=$((trials + 1))
        local registry=$folder/registry.reg database=$folder/db.tfx
        if [[ $command == registry:* ]]; then
            registry=$folder/reg/registry.reg
            database=$folder/plain.tfx
            command=${command#registry: }
        fi
        # shellcheck disable=SC2086
        TALLYFOX_REGISTRY=$registry timeout -k 1 10 "$cli" -f "$database" $command >/dev/null 2>"$work/fifo.err"
        rc=$?
        if [ "$rc" = 124 ] || [ "$rc" = 137 ] || [ "$rc" = 0 ] || [ ! -s "$work/fifo.err" ] ||
            [ ! -p "$folder/db.tfx" ] || [ ! -p "$folder/reg/registry.reg" ]; then
            corrupt=$((corrupt + 1))
            details+=("$command ($( [ "$database" = "$folder/plain.tfx" ] && echo "FIFO registry" || echo "FIFO database")): exit $rc, $(first_message "$work/fifo.err")")
        fi
    done
    report fifo "$trials" 0 0 "$corrupt" "$(leftovers_beside "$folder/db.tfx")" "${details[@]}"
    rm -rf "$folder"
}

# Files that are no database, named as one: add, sort, list, export and the program's start must leave
# them byte for byte as they were.
not_a_database() {
    local folder=$work/notdb
    mkdir -p "$folder"
    make_settings "$folder"
    printf '# Notes\r\n\r\nThings to buy:\r\n- bread\r\n- milk\r\n\r\nSee the *budget* page.\r\n' >"$folder/notes.md"
    head -c 102400 /dev/urandom >"$folder/blob.bin"
    local trials=0 corrupt=0 found=0 leftovers=0 details=() file command
    for file in "$folder/notes.md" "$folder/blob.bin"; do
        cp "$file" "$work/notdb.before"
        for command in "add --type Notes --amount 1" "sort name" "list" "export --out $folder/out.txt" window; do
            trials=$((trials + 1))
            if [ "$command" = window ]; then
                make_settings "$folder/window"
                (
                    export TALLYFOX_REGISTRY=$folder/window/registry.reg
                    exec timeout -s KILL 5 "$program" -f "$file"
                ) >/dev/null 2>&1 &
                wait $! 2>/dev/null
            else
                # shellcheck disable=SC2086
                run_cli "$folder" -f "$file" $command >/dev/null 2>&1
            fi
            if ! cmp -s "$file" "$work/notdb.before"; then
                corrupt=$((corrupt + 1))
                details+=("$(basename "$file") changed by: $command")
                found=$((found + $(grep -c $'^item\t' "$file")))
                cp "$work/notdb.before" "$file"
            fi
            leftovers=$((leftovers + $(leftovers_beside "$file")))
        done
    done
    report not-a-database "$trials" 0 "$found" "$corrupt" "$leftovers" "${details[@]}"
    rm -rf "$folder"
}

# Runs commands on databases that must be refused: each must end with exit 1 and a message, and leave the
# file as it was, its names and its mode; adds to the refused_* totals. refuse_trials LABEL CHECK
# FILE:COMMAND... where CHECK is a command that must still succeed afterwards.
refuse_trials() {
    local label=$1 check=$2
    shift 2
    local trial file command rc
    for trial in "$@"; do
        file=${trial%%:*}
        command=${trial#*:}
        refused_trials=$((refused_trials + 1))
        # shellcheck disable=SC2086
        run_cli "$refused_folder" -f "$file" $command >/dev/null 2>"$work/refused.err"
        rc=$?
        [ -z "$refused_message" ] && refused_message=$(first_message "$work/refused.err")
        refused_expected=$((refused_expected + refused_entries))
        refused_found=$((refused_found + $(grep -c $'^item\t' "$refused_folder/db.tfx")))
        local wrong=()
        [ "$rc" = 1 ] || wrong+=("exit $rc")
        [ -s "$work/refused.err" ] || wrong+=("no message")
        cmp -s "$refused_folder/db.tfx" "$work/refused.before" || wrong+=("the file changed")
        $check || wrong+=("$check failed")
        if [ ${#wrong[@]} != 0 ]; then
            refused_corrupt=$((refused_corrupt + 1))
            refused_details+=("$label, $(basename "$file") $command: ${wrong[*]}")
        fi
        # A refused save may still have kept the file as it is as a backup, beside the name it was given.
        refused_backups=$((refused_backups + $(find "$refused_folder" -maxdepth 1 -name '*.bak' | wc -l)))
        rm -f "$refused_folder"/*.bak
        refused_leftovers=$((refused_leftovers + $(leftovers_beside "$refused_folder/db.tfx")))
    done
}

refused_start() {
    refused_folder=$work/refused
    rm -rf "$refused_folder"
    mkdir -p "$refused_folder"
    make_settings "$refused_folder"
    cp "$work/disk.tfx" "$refused_folder/db.tfx"
    cp "$work/disk.tfx" "$work/refused.before"
    refused_entries=$(grep -c $'^item\t' "$work/disk.tfx")
    refused_trials=0 refused_expected=0 refused_found=0 refused_corrupt=0 refused_leftovers=0
    refused_backups=0 refused_message='' refused_details=()
}

refused_report() {
    report "$1" "$refused_trials" "$refused_expected" "$refused_found" "$refused_corrupt" \
        "$refused_leftovers" "first message: $refused_message" \
        "backups written before the refusal: $refused_backups" "${refused_details[@]}"
    rm -rf "$refused_folder"
}

# Both names of a hard-linked database still name one file, with two names.
still_hard_linked() {
    [ "$(stat -c '%i %h' "$refused_folder/db.tfx")" = "$(stat -c '%i %h' "$refused_folder/other.tfx")" ] &&
        [ "$(stat -c %h "$refused_folder/db.tfx")" = 2 ]
}

# A database with a second name (a hard link), written through either name: refused.
hard_linked() {
    refused_start
    ln "$refused_folder/db.tfx" "$refused_folder/other.tfx"
    local add="add --type Linked --amount 1 --no-receipt --note soak-hardlink"
    refuse_trials hard-linked still_hard_linked "$refused_folder/db.tfx:$add" \
        "$refused_folder/other.tfx:$add" "$refused_folder/db.tfx:sort amount" \
        "$refused_folder/other.tfx:sort name"
    refused_report hard-linked-database
}

still_read_only() {
    [ "$(stat -c %a "$refused_folder/db.tfx")" = 444 ]
}

# A database without write permission, written directly and through a link to it: refused.
read_only() {
    refused_start
    chmod 444 "$refused_folder/db.tfx"
    ln -s db.tfx "$refused_folder/link.tfx"
    local add="add --type ReadOnly --amount 1 --no-receipt --note soak-readonly"
    refuse_trials read-only still_read_only "$refused_folder/db.tfx:$add" "$refused_folder/db.tfx:sort amount" \
        "$refused_folder/link.tfx:$add"
    refused_report read-only-database
}
