#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# An edit: a double tap on a row opens the editor on that entry over the whole screen; the note is typed
# anew and the amount tapped down; OK stores the change in place.
source "$(dirname "$0")/lib.sh"
journey_begin "$1" EditEntry
seed_registry
seed_database "2024 3 1 EUR 12.50 Dinner Employer Cash 0042 first" \
    "2024 3 2 EUR 7.00 Lunch Myself Cash - second"
start_tallyfox

editor=$(new_window_after double_tap_row 1)
shot editor-on-lunch
on_phone && expect_full_screen "$editor" "the item editor"
# The note box: all of its text, then the new one.
tap_in "$editor" 150 240
keys ctrl+a
type_text "with the team"
# The units down twice: 5.00.
changing tap_in "$editor" 111 81
changing tap_in "$editor" 111 81
shot changed
tap_soft_key "$editor" right
wait_gone "$editor"
wait_until "the edited note" test "$(field_of Lunch 3)" = "with the team"
shot stored
expect_eq "the edited amount" "$(field_of Lunch 6)" 5.00
expect_eq "entries" "$(entry_count)" 2
expect_eq "the other entry" "$(field_of Dinner 3)" first
journey_end
