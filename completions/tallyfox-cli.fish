# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# Completion of tallyfox-cli for fish: commands, options, sort keys, tables, charts, formats and file
# names.

set -l commands list sort report table export add import chart
set -l keys name date amount receipt paidwith source

complete -c tallyfox-cli -f

# Folders and the files a database may be: .tfx or .txt, in any case.
function __tallyfox_cli_databases
    set -l token (string replace -r -- '^--file=' '' (commandline -ct))
    for name in $token*
        if test -d $name
            echo $name/
        else if string match -qri '\.(tfx|txt)$' -- $name
            echo $name
        end
    end
end
complete -c tallyfox-cli -n "not __fish_seen_subcommand_from $commands" -a list -d 'Print one line per entry'
complete -c tallyfox-cli -n "not __fish_seen_subcommand_from $commands" -a sort -d 'Sort the database file'
complete -c tallyfox-cli -n "not __fish_seen_subcommand_from $commands" -a report -d 'Print the overview report'
complete -c tallyfox-cli -n "not __fish_seen_subcommand_from $commands" -a table -d 'Print a month table'
complete -c tallyfox-cli -n "not __fish_seen_subcommand_from $commands" -a export -d 'Write the export file'
complete -c tallyfox-cli -n "not __fish_seen_subcommand_from $commands" -a add -d 'Store a new entry'
complete -c tallyfox-cli -n "not __fish_seen_subcommand_from $commands" -a import -d 'Store the rows of a CSV or TSV file'
complete -c tallyfox-cli -n "not __fish_seen_subcommand_from $commands" -a chart -d 'Draw a chart into a picture'

complete -c tallyfox-cli -s f -l file -x -a '(__tallyfox_cli_databases)' -d 'The database file'
complete -c tallyfox-cli -s d -l folder -x -a '(__fish_complete_directories)' -d 'The settings folder'
complete -c tallyfox-cli -l today -x -d 'The date that counts as today (YYYY-MM-DD)'
complete -c tallyfox-cli -s h -l help -d 'Show the help'
complete -c tallyfox-cli -s v -l version -d 'Show the version'

complete -c tallyfox-cli -n '__fish_seen_subcommand_from list' -l sort -x -a "$keys" -d 'Order the listing by KEY'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from list sort' -l reverse -d 'Reverse the sort order'
complete -c tallyfox-cli -n "__fish_seen_subcommand_from sort; and not __fish_seen_subcommand_from $keys" -a "$keys"

complete -c tallyfox-cli -n "__fish_seen_subcommand_from table; and not __fish_seen_subcommand_from types sources methods" -a 'types sources methods'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from list report table chart add import' -l currency -x -d 'table, chart: the currency choice; add, import: the currency; else: only entries in it'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from table chart' -l mode -x -a "0\t'Expenses - income' 1\t'Expenses only' 2\t'Income only'" -d 'What the table or chart counts'

complete -c tallyfox-cli -n "__fish_seen_subcommand_from chart; and not __fish_seen_subcommand_from months types sources methods" -a 'months types sources methods'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from chart' -l from -x -d 'The first month shown (YYYY-MM)'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from chart' -l to -x -d 'The last month shown (YYYY-MM)'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from chart' -l size -x -d 'The picture\'s size in pixels (WxH)'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from chart' -l out -r -F -d 'The picture to write, .png or .svg'

complete -c tallyfox-cli -n '__fish_seen_subcommand_from export' -l out -r -F -d 'The file to write, - for standard output'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from list' -l format -x -a 'tsv csv json' -d 'How the entries are printed'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from export' -l format -x -a 'tsv csv json journal' -d 'What the export is written as'

complete -c tallyfox-cli -n '__fish_seen_subcommand_from import' -F
complete -c tallyfox-cli -n '__fish_seen_subcommand_from import' -l delimiter -x -d 'The delimiter (found from the file)'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from import' -l decimal -x -a '. ,' -d 'The decimal mark'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from import' -l date-format -x -a 'yyyy-MM-dd d.M.yyyy d/M/yyyy M/d/yyyy' -d 'How the dates read'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from import' -l map -x -d 'The columns, FIELD=COL separated by commas'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from import' -l negative-is-income -d 'A negative amount is an income'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from import' -l allow-duplicates -d 'Keep rows that match an entry or an earlier row'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from import' -l dry-run -d 'Show what would be stored, and store nothing'

complete -c tallyfox-cli -n '__fish_seen_subcommand_from list report table' -l match -x -d 'Only entries that show every word of TEXT'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from list report table' -l from -x -d 'Only entries on or after the day (YYYY-MM-DD)'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from list report table' -l to -x -d 'Only entries on or before the day (YYYY-MM-DD)'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from list report table add import' -l type -x -d 'add, import: the expense type; else: only entries of it'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from add' -l amount -x -d 'The amount, at most two decimals'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from add' -l date -x -d 'The date (YYYY-MM-DD)'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from list report table add' -l income -d 'add: an income; else: only incomes'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from list report table add' -l expense -d 'add: an expense; else: only expenses'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from list report table add' -l paid-with -x -d 'add: the payment method; else: only entries paid with it'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from list report table add' -l source -x -d 'add: the intended source; else: only entries for it'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from add' -l note -x -d 'The note'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from add' -l receipt -d 'The entry has a receipt (--receipt=NUM numbers it)'
complete -c tallyfox-cli -n '__fish_seen_subcommand_from add' -l no-receipt -d 'The entry has no receipt'
