#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# A first start: no settings and no database. The program asks for a new database's name in a file
# dialog that fits the screen, then greets the new user in messages as wide as the screen.
source "$(dirname "$0")/lib.sh"
journey_begin "$1" FirstStart

start_tallyfox
dialog=$(xdotool search --sync --onlyvisible --name '^New database file$' | head -n 1)
settle "$dialog"
shot new-database-dialog
expect_inside_screen "$dialog" "the new database dialog"
on_phone && expect_full_screen "$dialog" "the new database dialog"

# The file name box has the keyboard.
welcome=$(new_window_after eval 'type_text household; keys Return')
shot welcome
expect_inside_screen "$welcome" "the welcome message"
on_phone && expect_full_screen "$welcome" "the welcome message"
[ -f "$XDG_DATA_HOME/tallyfox/household.tfx" ] || fail "no database household.tfx was made"

found=$(new_window_after answer "$welcome")
shot no-database-message
on_phone && expect_full_screen "$found" "the second message"
answer "$found"
shot main-window
expect_eq "entries of the new database" "$(entry_count)" 0

keys ctrl+q
wait_ended
grep -q "household.tfx" "$TALLYFOX_REGISTRY" || fail "the registry does not name the new database"
journey_end
