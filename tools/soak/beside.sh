# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# The experiments of soak.sh on what lies beside the database: the user's files named like the
# program's own, and what stands at the backup's name. Sourced after soaklib.sh.

# The files of beside_files, by their path in its folder. The user's files, which every save must leave as
# they are; the last three carry the temporary files' marker but not their name.
beside_user_files=(
    db/db.tfx.backup db/db.tfx.before db/db.tfx.copy01 db/db.tfx.Ab12Cd db/.db.tfx.Ab12Cd db/db.tfx~
    db/db.tfx.tmp db/report.csv.backup db/report.csv.Ab12Cd registry.reg.backup registry.reg.Ab12Cd
    db/.db.tfx.tallyfox-tmp-Ab12C db/.db.tfx.tallyfox-tmp-Ab12Cd7 db/.db.tfx.tallyfox-tmp-Ab-2Cd
)
# Files named as the program names its temporaries that a save must not take for leftovers: one written
# just now, one that a live writer holds locked, one of another user's, a link and a folder.
beside_kept_temporaries=(
    db/.db.tfx.tallyfox-tmp-Fresh1 db/.db.tfx.tallyfox-tmp-Locked db/.db.tfx.tallyfox-tmp-Others
    db/.db.tfx.tallyfox-tmp-Linked db/.db.tfx.tallyfox-tmp-Folder
)

# Sets up the files of beside_files in folder, the user's and the kept temporaries two minutes old but
# the fresh one, and a leftover of the program's own (two minutes old, unlocked) beside each file it
# saves; starts the process that holds the locked one (locker).
beside_setup() {
    local folder=$1 file
    for file in "${beside_user_files[@]}" db/.db.tfx.tallyfox-tmp-Fresh1 db/.db.tfx.tallyfox-tmp-Locked \
        db/.db.tfx.tallyfox-tmp-Others; do
        rm -rf "${folder:?}/$file"
        printf 'a file of the user'"'"'s: %s\n' "$file" >"$folder/$file"
        chmod 640 "$folder/$file"
    done
    rm -rf "$folder/db/.db.tfx.tallyfox-tmp-Linked" "$folder/db/.db.tfx.tallyfox-tmp-Folder"
    ln -s ../victim "$folder/db/.db.tfx.tallyfox-tmp-Linked"
    mkdir "$folder/db/.db.tfx.tallyfox-tmp-Folder"
    printf 'inside a folder\n' >"$folder/db/.db.tfx.tallyfox-tmp-Folder/inside"
    if [ "$(id -u)" = 0 ]; then
        chown 65534:65534 "$folder/db/.db.tfx.tallyfox-tmp-Others"
    fi
    for file in db/.db.tfx.tallyfox-tmp-Aged01 db/.db.tfx.bak.tallyfox-tmp-Aged01 \
        .registry.reg.tallyfox-tmp-Aged01 db/.report.csv.tallyfox-tmp-Aged01; do
        printf 'left by a killed save\n' >"$folder/$file"
        chmod 600 "$folder/$file"
    done
    find "$folder" \( -name '*.backup' -o -name '*.before' -o -name '*.copy01' -o -name '*Ab*' -o -name '*~' \
        -o -name '*.tmp' -o -name '*-Locked' -o -name '*-Others' -o -name '*-Linked' -o -name '*-Folder' \
        -o -name '*-Aged01' \) -exec touch -h -d '2 minutes ago' {} +
    hold_lock "$folder/db/.db.tfx.tallyfox-tmp-Locked"
}

# A description of a file as it is: its kind, owner, mode and content, or a link's target.
describe_file() {
    local file=$1
    if [ -L "$file" ]; then
        echo "link to $(readlink "$file")"
    elif [ -d "$file" ]; then
        echo "folder $(stat -c '%u %a' "$file") $(cat "$file"/* 2>/dev/null | md5sum)"
    elif [ -e "$file" ]; then
        echo "file $(stat -c '%u %a' "$file") $(md5sum <"$file")"
    else
        echo missing
    fi
}

# Files of the user's beside the database, the registry and the export file, named like the program's
# own, and files named as its temporaries that are not leftovers: add, sort and export --out report.csv
# must leave them all as they were, and remove the leftover of their own file's saves.
#   corrupt    files of the user's or kept temporaries changed or removed (counted per command)
#   leftovers  leftovers of the program's own that a save of their file did not remove
beside_files() {
    local folder=$work/beside db=$work/beside/db/db.tfx
    fresh_folder "$folder" "$work/disk.tfx"
    printf 'the target of a link\n' >"$folder/victim"
    local entries
    entries=$(grep -c $'^item\t' "$db")
    local trials=0 corrupt=0 leftovers=0 failures=0 details=() command file rc
    local -A before
    local -a arguments expected_gone
    for command in add sort export; do
        trials=$((trials + 1))
        beside_setup "$folder"
        before=()
        for file in "${beside_user_files[@]}" "${beside_kept_temporaries[@]}" victim; do
            before[$file]=$(describe_file "$folder/$file")
        done
        # A save of the database writes its backup, the database and the registry; an export only its file.
        expected_gone=(db/.db.tfx.tallyfox-tmp-Aged01 db/.db.tfx.bak.tallyfox-tmp-Aged01
            .registry.reg.tallyfox-tmp-Aged01)
        case $command in
        add) arguments=(add --type Beside --amount 1 --no-receipt --note soak-beside-add) ;;
        sort) arguments=(sort amount) ;;
        export)
            arguments=(export --out report.csv)
            expected_gone=(db/.report.csv.tallyfox-tmp-Aged01)
            ;;
        esac
        (cd "$folder/db" && run_cli "$folder" -f db.tfx "${arguments[@]}") >/dev/null 2>>"$folder/cli.err"
        rc=$?
        kill "$locker" 2>/dev/null
        wait "$locker" 2>/dev/null
        if [ "$rc" != 0 ]; then
            failures=$((failures + 1))
            details+=("$command: exit $rc, $(tail -n 1 "$folder/cli.err" | cut -c 1-160)")
        fi
        for file in "${beside_user_files[@]}" "${beside_kept_temporaries[@]}" victim; do
            if [ "$(describe_file "$folder/$file")" != "${before[$file]}" ]; then
                corrupt=$((corrupt + 1))
                details+=("$command: $file is now $(describe_file "$folder/$file")")
            fi
        done
        for file in "${expected_gone[@]}"; do
            if [ -e "$folder/$file" ]; then
                leftovers=$((leftovers + 1))
                details+=("$command: the leftover $file was not removed")
            fi
        done
    done
    [ "$(id -u)" = 0 ] || details+=("not run as root: the temporary of another user's is the user's own here")
    inspect "$db" soak-beside-
    report files-beside "$trials" $((entries + 1)) $(($(grep -c $'^item\t' "$db") * parsed)) "$corrupt" \
        "$leftovers" "commands that failed: $failures" "${details[@]}"
    [ "$failures" != 0 ] && failed=1
    rm -rf "$folder"
}

# Sets up what stands at the backup's name for linked_backup: set_backup FOLDER CASE
set_backup() {
    local folder=$1 kind=$2 backup=$1/db/db.tfx.bak
    rm -rf "$backup" "$folder/victim"
    mkdir -p "$folder/victim"
    printf 'root:x:0:0:the file a link leads to\n' >"$folder/victim/passwd"
    chmod 644 "$folder/victim/passwd"
    case $kind in
    link) ln -s "$folder/victim/passwd" "$backup" ;;
    relative-link) ln -s ../victim/passwd "$backup" ;;
    dangling-link) ln -s "$folder/victim/missing" "$backup" ;;
    folder)
        mkdir "$backup"
        printf 'inside\n' >"$backup/inside"
        ;;
    esac
}

# A link (to a file, relative, dangling) or a folder at the backup's name: add and sort refuse with exit 1
# and a message, and the database, what stands at the backup's name and a link's target stay as they
# were; a dangling link's target is not made. (Another user's backup of a database both share is left as
# it is while the save goes on: two-users.)
#   entries    the database's entries before each trial, and found after it
#   corrupt    trials after which anything changed, or the command did not refuse
linked_backup() {
    local folder=$work/linked db=$work/linked/db/db.tfx
    fresh_folder "$folder" "$work/disk.tfx"
    cp "$db" "$work/linked.before"
    local kinds=(link relative-link dangling-link folder)
    local entries
    entries=$(grep -c $'^item\t' "$db")
    local trials=0 expected=0 found=0 corrupt=0 leftovers=0 details=() kind command rc message=
    for kind in "${kinds[@]}"; do
        for command in add sort; do
            trials=$((trials + 1))
            set_backup "$folder" "$kind"
            local backup_before victim_before
            backup_before=$(describe_file "$db.bak")
            victim_before=$(describe_file "$folder/victim/passwd")
            if [ "$command" = add ]; then
                run_cli "$folder" -f "$db" add --type Linked --amount 1 --no-receipt --note soak-linked \
                    >/dev/null 2>"$work/linked.err"
            else
                run_cli "$folder" -f "$db" sort date >/dev/null 2>"$work/linked.err"
            fi
            rc=$?
            [ -z "$message" ] && [ -s "$work/linked.err" ] && message="$kind: $(first_message "$work/linked.err")"
            expected=$((expected + entries))
            found=$((found + $(grep -c $'^item\t' "$db")))
            local changed=()
            [ "$rc" = 1 ] || changed+=("exit $rc")
            [ -s "$work/linked.err" ] || changed+=("no message")
            cmp -s "$db" "$work/linked.before" || changed+=("the database changed")
            [ "$(describe_file "$db.bak")" = "$backup_before" ] || changed+=("the backup is now $(describe_file "$db.bak")")
            [ "$(describe_file "$folder/victim/passwd")" = "$victim_before" ] || changed+=("the link's target changed")
            [ -e "$folder/victim/missing" ] && changed+=("the dangling link's target was made")
            if [ ${#changed[@]} != 0 ]; then
                corrupt=$((corrupt + 1))
                details+=("$kind, $command: ${changed[*]}")
                cp "$work/linked.before" "$db"
            fi
            leftovers=$((leftovers + $(leftovers_beside "$db")))
        done
    done
    [ "$(id -u)" = 0 ] || details+=("not run as root: no backup of another user's")
    report linked-backup "$trials" "$expected" "$found" "$corrupt" "$leftovers" "first message: $message" \
        "${details[@]}"
    rm -rf "$folder"
}
