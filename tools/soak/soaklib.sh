# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# Helpers of soak.sh: settings of their own for each experiment, running the programs, and checking a
# database file. Sourced; expects $work, $cli, $program and $failed.

# The header line of a database as the program writes it (with its CR).
db_header=

# A registry of its own in folder (which must exist) that points the settings folder beside it, past the
# first-run welcome, so that nothing of one experiment is seen by another.
make_settings() {
    local folder=$1
    mkdir -p "$folder/settings"
    printf '[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n"Version"=dword:000003b9\r\n"DataLocation"="%s/settings/"\r\n' \
        "$folder" >"$folder/registry.reg"
}

# tallyfox-cli with the registry of folder: run_cli FOLDER ARGS...
run_cli() {
    local folder=$1
    shift
    TALLYFOX_REGISTRY=$folder/registry.reg "$cli" "$@"
}

# A time in milliseconds since some fixed point.
now_ms() {
    echo $(($(date +%s%N) / 1000000))
}

# sleep for a number of milliseconds.
sleep_ms() {
    sleep "$(printf '%d.%03d' $(($1 / 1000)) $(($1 % 1000)))"
}

# A random whole number from 0 to below $1 (up to 2^30).
random_below() {
    echo $((((RANDOM << 15) | RANDOM) % $1))
}

# Reads a database file (whose header line is $db_header) and sets:
#   parsed       1 when it is a whole database: the header, then whole entry lines, ending in CR LF
#   signature    a hash of its lines except the entries whose note starts with the marker prefix
#   marker_count how many entries carry a marker; their notes are in $work/markers
#   repeated     how many markers occur more than once
inspect() {
    local file=$1 prefix=$2
    local status=$work/inspect.status
    signature=$(awk -v header="$db_header" -v prefix="$prefix" -v out="$work/markers" -v status="$status" '
        BEGIN { bad = 0; markers = 0; twice = 0; printf "" > out }
        NR == 1 { if ($0 != header) bad = 1; print; next }
        {
            n = split($0, field, "\t")
            if (substr($0, length($0)) != "\r" || n != 13 || field[1] != "item")
                bad = 1
            note = substr(field[13], 1, length(field[13]) - 1)
            if (prefix != "" && index(note, prefix) == 1) {
                print note > out
                markers++
                if (seen[note]++ == 1)
                    twice++
            } else {
                print
            }
        }
        END { print (NR == 0 ? 1 : bad), markers, twice > status }' "$file" 2>/dev/null | LC_ALL=C sort | md5sum)
    local bad=1 ending
    read -r bad marker_count repeated <"$status" || true
    ending=$(tail -c 2 "$file" 2>/dev/null | od -An -tx1)
    parsed=0
    if [ "$bad" = 0 ] && [ "${ending// /}" = 0d0a ]; then
        parsed=1
    fi
}

# How many of the lines of list (one marker a line) are notes in $work/markers.
markers_found() {
    sort -u "$work/markers" | grep -cxF -f "$1"
}

# Files beside a file that a save which ran to its end should not have left: anything in its folder named
# after it, other than the file itself, its backup and its lock file (which stays, holding nothing).
leftovers_beside() {
    local file=$1 name folder
    name=$(basename "$file")
    folder=$(dirname "$file")
    find "$folder" -maxdepth 1 \( -name "$name?*" -o -name ".$name*" \) ! -name "$name.bak" \
        ! -name ".$name.tallyfox-lock" | wc -l
}

# The names of the temporary files of saves of a file and of its backup, one a line, sorted.
temporaries_beside() {
    local file=$1 name
    name=$(basename "$file")
    find "$(dirname "$file")" -maxdepth 1 \( -name ".$name.tallyfox-tmp-*" -o -name ".$name.bak.tallyfox-tmp-*" \) \
        -printf '%f\n' | LC_ALL=C sort
}

# How many names of the second list (a file of temporaries_beside) are not in the first: the temporary
# files that a save between the two left.
new_temporaries() {
    LC_ALL=C comm -13 "$1" "$2" | wc -l
}

# Makes the temporary files beside a file look two minutes old: a later save may take them for leftovers.
age_temporaries() {
    local file=$1 name
    name=$(basename "$file")
    find "$(dirname "$file")" -maxdepth 1 \( -name ".$name.tallyfox-tmp-*" -o -name ".$name.bak.tallyfox-tmp-*" \) \
        -exec touch -h -d '2 minutes ago' {} +
}

# Holds a POSIX record lock on a file, as a live writer does on its temporary file, until killed; sets
# locker to its process id. hold_lock FILE
hold_lock() {
    local file=$1 ready=$work/lock.ready
    rm -f "$ready"
    perl -MFcntl -e '
        open(my $f, "+<", $ARGV[0]) or die "open: $!";
        fcntl($f, F_SETLK, pack("s s x4 q q i x4", F_WRLCK, SEEK_SET, 0, 0, 0)) or die "lock: $!";
        open(my $r, ">", $ARGV[1]) or die; close($r);
        sleep 3600;' "$file" "$ready" &
    locker=$!
    local tenths
    for ((tenths = 0; tenths < 50; ++tenths)); do
        [ -e "$ready" ] && break
        sleep 0.1
    done
}

# Prints an experiment's line and its details, and marks the run failed on a loss, a corrupt file or a
# leftover: report NAME TRIALS EXPECTED FOUND CORRUPT LEFTOVERS [DETAIL...]
report() {
    local name=$1 trials=$2 expected=$3 found=$4 corrupt=$5 leftovers=$6
    shift 6
    echo "$name: trials $trials, entries expected $expected, found $found, corrupt $corrupt, leftovers $leftovers"
    local detail
    for detail in "$@"; do
        [ -n "$detail" ] && echo "    $detail"
    done
    if [ "$expected" != "$found" ] || [ "$corrupt" != 0 ] || [ "$leftovers" != 0 ]; then
        failed=1
    fi
}

# The first line of a file of messages, for a detail.
first_message() {
    head -n 1 "$1" 2>/dev/null | cut -c 1-160
}
