#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# An entry by the item editor on a phone: "New item" opens it over the whole screen with its soft keys
# along the bottom edge; the type is typed, the amount tapped on the digit columns, the note typed.
source "$(dirname "$0")/lib.sh"
journey_begin "$1" EditorEntry
seed_registry
seed_database "2024 3 1 EUR 12.50 Dinner Employer Cash 0042 first"
start_tallyfox
shot main-window

editor=$(new_window_after tap_soft_key "$J_MAIN" right)
shot editor
expect_full_screen "$editor" "the item editor"
tap_in "$editor" 60 126
type_text Taxi
# Tens up once, units up twice, tenths up three times: 12.30.
tap_in "$editor" 73 41
tap_in "$editor" 111 41
tap_in "$editor" 111 41
for _ in 1 2 3; do tap_in "$editor" 163 41; done
tap_in "$editor" 150 240
type_text "to the station"
shot filled-in
tap_soft_key "$editor" right
wait_gone "$editor"
wait_entries 2
shot stored
expect_eq "the stored amount" "$(field_of Taxi 6)" 12.30
expect_eq "the stored note" "$(field_of Taxi 3)" "to the station"
expect_eq "the stored date" "$(field_of Taxi 4)" 2024-03-15
journey_end
