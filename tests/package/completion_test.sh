#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# The shells complete tallyfox-cli's commands, options, sort keys, tables, formats and file names,
# and every option of its --help.
#   completion_test.sh bash|zsh|fish COMPLETION_FOLDER
#   completion_test.sh options COMPLETION_FOLDER TALLYFOX_CLI
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/testlib.sh"
shell=$1
folder=$(realpath "$2")
tool=${3:+$(realpath "$3")}

# A command line (a last empty word after a space), then what each shell offers for it.
cases=(
    "tallyfox-cli |list sort report table export add import chart"
    "tallyfox-cli re|report"
    "tallyfox-cli list --sort |name date amount receipt paidwith source"
    "tallyfox-cli -f data.tfx list --sort pa|paidwith"
    "tallyfox-cli sort |name date amount receipt paidwith source"
    "tallyfox-cli table |types sources methods"
    "tallyfox-cli table --mode |0 1 2"
    "tallyfox-cli chart |months types sources methods"
    "tallyfox-cli chart --si|--size"
    "tallyfox-cli list --r|--reverse"
    "tallyfox-cli add --no|--note --no-receipt"
    "tallyfox-cli add --pa|--paid-with"
    "tallyfox-cli -f |trip.tfx OLD.TXT trips"
    "tallyfox-cli -d |trips"
    "tallyfox-cli export --out t|trip.tfx trips"
    "tallyfox-cli export --format |tsv csv json journal"
    "tallyfox-cli list --format |tsv csv json"
    "tallyfox-cli import n|notes.csv"
    "tallyfox-cli import --neg|--negative-is-income"
)

# Folders and files to complete, in the folder the shells run in.
work=$scratch/work
mkdir -p "$work/trips"
touch "$work/trip.tfx" "$work/OLD.TXT" "$work/notes.csv"
cd "$work"

offeredByBash()
{
    # shellcheck disable=SC1091
    source "$folder/tallyfox-cli.bash"
    local -a words
    read -r -a words <<<"$1"
    [[ $1 == *' ' ]] && words+=('')
    COMP_WORDS=("${words[@]}")
    COMP_CWORD=$((${#words[@]} - 1))
    COMPREPLY=()
    _tallyfox_cli
    printf '%s\n' "${COMPREPLY[@]}"
}

offeredByZsh()
{
    rm -f "$scratch/zsh.out"
    zsh -f "$here/zshcomplete.zsh" "$folder" "$1" "$scratch/zsh.out"
}

offeredByFish()
{
    fish --no-config -c "source '$folder/tallyfox-cli.fish'; complete -C '$1'" | cut -f 1
}

checkShell()
{
    need "$shell"
    local entry line offered
    for entry in "${cases[@]}"; do
        line=${entry%%|*}
        case $shell in
        bash) offered=$(offeredByBash "$line") ;;
        zsh) offered=$(offeredByZsh "$line") ;;
        fish) offered=$(offeredByFish "$line") ;;
        esac
        # Shells differ in whether a folder ends in "/".
        expectSameWords "$shell: '$line'" "${entry#*|}" "$(sed 's|/$||' <<<"$offered")"
    done
}

# Every long option, command and sort key that the tool's help names is in each shell's completion.
checkOptions()
{
    local help
    help=$("$1" --help)
    local options commands keys
    options=$(grep -o -- '--[a-z][a-z-]*' <<<"$help" | sort -u)
    commands=$(sed -n 's/^  \(list\|sort\|report\|table\|export\|add\)\b.*/\1/p' <<<"$help" | sort -u)
    keys=$(sed -n 's/^KEY is one of \([^.]*\)\..*/\1/p' <<<"$help" | tr -d ',')
    [ "$(wc -w <<<"$commands")" -eq 6 ] || fail "the help names the commands [$commands]"
    [ -n "$keys" ] || fail "the help names no sort key"
    local file word
    for file in tallyfox-cli.bash _tallyfox-cli tallyfox-cli.fish; do
        for word in $options $commands $keys; do
            case $file in
            # fish names a long option without its dashes.
            *.fish) grep -qw -- "${word#--}" "$folder/$file" || fail "$file lacks $word" ;;
            *) grep -q -- "$word\b" "$folder/$file" || fail "$file lacks $word" ;;
            esac
        done
    done
}

case $shell in
bash | zsh | fish) checkShell ;;
options) checkOptions "$tool" ;;
*) fail "unknown case $shell" ;;
esac
finish
