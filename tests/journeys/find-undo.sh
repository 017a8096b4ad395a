#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# Finding an entry by typing, deleting it and taking the delete back: a few letters typed into the search
# field above the list leave only the matching entry, which is deleted from the list menu; undo (the
# menu's "Undo delete …" on a phone, Ctrl+Z at a desk) puts it back into the file and into the list,
# still filtered, where it can be chosen again. The edit log holds the delete and the entry new again.
source "$(dirname "$0")/lib.sh"
journey_begin "$1" FindUndo
seed_registry
seed_database "2024 3 1 EUR 12.50 Dinner Employer Cash 0042 first" \
    "2024 3 2 EUR 7.00 Lunch Myself Cash - café" \
    "2024 2 20 EUR 30.00 Train Client Voucher 0043 third"
start_tallyfox
shot all-entries

# The search field takes the keys: a tap on a phone, Ctrl+F at a desk. "CAFE" finds the note "café".
if on_phone; then
    changing tap_in "$J_MAIN" 60 13
else
    keys ctrl+f
fi
changing type_text CAFE
shot found
changing tap_row 0
shot chosen
question=$(main_menu 7)
answer "$question" yes
wait_entries 2
shot deleted
[ -z "$(entry_of Lunch)" ] || fail "the lunch entry is still in the file"

if on_phone; then
    menu=$(new_window_after tap_soft_key "$J_MAIN" left)
    shot menu-with-undo
    tap_menu_row "$menu" 9 3
    wait_gone "$menu"
else
    keys ctrl+z
fi
wait_entries 3
shot undone
expect_eq "the lunch entry back in the file" "$(field_of Lunch 3)" "café"
grep -q $'\tDelete\t.*\tLunch\t' "$J_DATA/Tallyfox.log" || fail "the log lacks the delete"
grep -q $'\tNew\t.*\tLunch\t' "$J_DATA/Tallyfox.log" || fail "the log lacks the entry put back"

# The list, still filtered, shows it again, highlighted: its only row is the lunch entry, which can be
# deleted again.
tap_row 0
question=$(main_menu 7)
answer "$question" yes
wait_entries 2
[ -z "$(entry_of Lunch)" ] || fail "the row shown after the undo is not the lunch entry"
[ -n "$(entry_of Dinner)" ] && [ -n "$(entry_of Train)" ] || fail "an entry that did not match is gone"
shot deleted-again
journey_end
