#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# The window under LANG=de_DE.UTF-8: the program picks its German texts from the locale ("Neuer Eintrag"
# names the item editor), and a delete answered Yes on the soft keys writes the log's line, the database
# and the registry in their one English form.
J_LOCALE=de_DE.UTF-8
source "$(dirname "$0")/lib.sh"
journey_begin "$1" German
seed_registry
seed_database "2024 3 1 EUR 12.50 Dinner Employer Cash 0042 first" \
    "2024 3 2 EUR 7.00 Lunch Myself Cash - second"
header=$(head -n 1 "$J_DATABASE")
start_tallyfox
shot main-window

editor=$(new_window_after tap_soft_key "$J_MAIN" right)
shot editor
expect_eq "the editor's title" "$(xdotool getwindowname "$editor")" "Neuer Eintrag"
tap_soft_key "$editor" left
wait_gone "$editor"

changing tap_row 0
question=$(main_menu 7)
shot question
answer "$question" yes
wait_entries 1
shot deleted
expect_eq "the database's header" "$(head -n 1 "$J_DATABASE")" "$header"
grep -q $'\tDelete\t' "$J_DATA/Tallyfox.log" || fail "the log has no Delete line"
grep -q '^"DataLocation"=' "$TALLYFOX_REGISTRY" || fail "the registry lost its English names"
journey_end
