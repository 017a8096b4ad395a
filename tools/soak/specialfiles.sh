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
