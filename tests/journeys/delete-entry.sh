#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# A delete: a tap on a row, then "Delete entry" in the menu (which names its key). The question takes
# the whole screen on a phone, its text wrapped at the screen's width, Yes and No on the soft keys.
# No keeps the entry, Yes deletes it.
source "$(dirname "$0")/lib.sh"
journey_begin "$1" DeleteEntry
seed_registry
seed_database "2024 3 1 EUR 12.50 Dinner Employer Cash 0042 first" \
    "2024 3 2 EUR 7.00 Lunch Myself Cash - second" \
    "2024 2 20 EUR 30.00 Train Client Voucher 0043 third"
start_tallyfox

changing tap_row 2
shot train-selected
question=$(main_menu 7)
shot question
on_phone && expect_full_screen "$question" "the delete question"
answer "$question" no
expect_eq "entries after No" "$(entry_count)" 3

menu=$(new_window_after tap_soft_key "$J_MAIN" left)
shot menu-with-keys
question=$(new_window_after tap_menu_row "$menu" 7 2)
answer "$question" yes
wait_entries 2
shot deleted
[ -z "$(entry_of Train)" ] || fail "the train entry is still there"
journey_end
