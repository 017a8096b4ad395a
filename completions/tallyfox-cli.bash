# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# Completion of tallyfox-cli for bash: commands, options, sort keys, tables, charts, formats and file
# names.
# Needs nothing beyond bash itself, so it also works when sourced by hand.

_tallyfox_cli_names()
{
    # $1: "folders", "databases" (folders and .tfx or .txt files) or "files".
    local IFS=$'\n' name
    compopt -o filenames 2>/dev/null
    COMPREPLY=()
    case $1 in
    folders) COMPREPLY=($(compgen -d -- "$cur")) ;;
    databases)
        for name in $(compgen -f -- "$cur"); do
            if [[ -d $name || ${name,,} == *.tfx || ${name,,} == *.txt ]]; then
                COMPREPLY+=("$name")
            fi
        done
        ;;
    *) COMPREPLY=($(compgen -f -- "$cur")) ;;
    esac
}

_tallyfox_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    # "--sort=da" arrives as "--sort", "=", "da".
    if [[ $cur == = ]]; then
        cur=
    elif [[ $prev == = && $COMP_CWORD -ge 2 ]]; then
        prev=${COMP_WORDS[COMP_CWORD - 2]}
    fi
    local commands='list sort report table export add import chart'
    local keys='name date amount receipt paidwith source'
    local common='-f --file -d --folder --today -h --help -v --version'

    case $prev in
    -f | --file) _tallyfox_cli_names databases; return ;;
    -d | --folder) _tallyfox_cli_names folders; return ;;
    --out)
        _tallyfox_cli_names files
        [[ - == "$cur"* ]] && COMPREPLY+=(-)
        return
        ;;
    --sort) COMPREPLY=($(compgen -W "$keys" -- "$cur")); return ;;
    --mode) COMPREPLY=($(compgen -W '0 1 2' -- "$cur")); return ;;
    --decimal) COMPREPLY=($(compgen -W '. ,' -- "$cur")); return ;;
    --date-format) COMPREPLY=($(compgen -W 'yyyy-MM-dd d.M.yyyy d/M/yyyy M/d/yyyy' -- "$cur")); return ;;
    --today | --date | --currency | --type | --amount | --paid-with | --source | --note | --match | --from | \
        --to | --size | --delimiter | --map) return ;;
    esac

    # The command is the first word that is neither an option nor an option's value.
    local i command= arguments=0
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
        -f | --file | -d | --folder | --today | --sort | --currency | --mode | --out | --type | --amount | \
            --date | --paid-with | --source | --note | --match | --from | --to | --size | --format | \
            --delimiter | --decimal | --date-format | --map)
            [[ ${COMP_WORDS[i + 1]} == = ]] && ((i++))
            ((i++))
            ;;
        = | -*) ;;
        *)
            if [[ -z $command ]]; then
                command=${COMP_WORDS[i]}
            else
                ((arguments++))
            fi
            ;;
        esac
    done

    if [[ $prev == --format ]]; then
        case $command in
        list) COMPREPLY=($(compgen -W 'tsv csv json' -- "$cur")) ;;
        *) COMPREPLY=($(compgen -W 'tsv csv json journal' -- "$cur")) ;;
        esac
        return
    fi

    local options
    local filter='--match --from --to --type --currency --source --paid-with --income --expense'
    case $command in
    '') options=$common ;;
    list) options="$common --sort --reverse --format $filter" ;;
    sort) options="$common --reverse" ;;
    report) options="$common $filter" ;;
    table) options="$common --mode $filter" ;;
    export) options="$common --out --format" ;;
    chart) options="$common --currency --mode --from --to --out --size" ;;
    add)
        options="$common --type --amount --currency --date --income --expense --paid-with --source --note"
        options+=" --receipt --no-receipt"
        ;;
    import)
        options="$common --delimiter --decimal --date-format --map --currency --type --negative-is-income"
        options+=" --allow-duplicates --dry-run"
        ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    case $command in
    '') COMPREPLY=($(compgen -W "$commands" -- "$cur")) ;;
    sort) ((arguments == 0)) && COMPREPLY=($(compgen -W "$keys" -- "$cur")) ;;
    table) ((arguments == 0)) && COMPREPLY=($(compgen -W 'types sources methods' -- "$cur")) ;;
    chart) ((arguments == 0)) && COMPREPLY=($(compgen -W 'months types sources methods' -- "$cur")) ;;
    import) ((arguments == 0)) && _tallyfox_cli_names files ;;
    esac
}

complete -F _tallyfox_cli tallyfox-cli
