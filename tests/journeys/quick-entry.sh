#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# An entry by the quick entry on a phone: the editor's "Quick entry" key walks through the type, the
# date, the currency, the amount, the payment method, the source and the note, one full-screen panel
# at a time, with taps; the editor then shows what was chosen and stores it.
source "$(dirname "$0")/lib.sh"
journey_begin "$1" QuickEntry
seed_registry
seed_database "2024 3 1 EUR 12.50 Dinner Employer Cash 0042 first"
start_tallyfox

editor=$(new_window_after tap_soft_key "$J_MAIN" right)
quick=$(new_window_after tap_soft_key "$editor" right)
expect_full_screen "$quick" "the quick entry"
shot type-panel
# The type list: "Custom", "Train", "Car rental", "Dinner", "Lunch", "Breakfast", rows of 30 pixels; a
# tap on one chooses it and goes on to the date.
changing tap_in "$quick" 60 $((16 + 30 * 4))
shot date-panel
# The day up once: the 16th.
changing tap_in "$quick" 57 35
shot sixteenth
changing tap_soft_key "$quick" right
shot currency-panel
# US$, the second row, and on to the amount.
changing tap_in "$quick" 60 $((16 + 30))
shot amount-panel
# The units up eight times on the amount panel's digit columns: 8.00.
for _ in 1 2 3 4 5 6 7 8; do changing tap_in "$quick" 110 45; done
shot eight
changing tap_soft_key "$quick" right
shot payment-panel
# Credit card, the second row, and on to the intended source, which stays.
changing tap_in "$quick" 60 $((16 + 30))
shot source-panel
changing tap_soft_key "$quick" right
shot note-panel
type_text "with Ann"
shot note-typed
tap_soft_key "$quick" right
wait_gone "$quick"
shot review
tap_soft_key "$editor" right
wait_gone "$editor"
wait_entries 2
shot stored
entry=$(entry_of Lunch)
expect_eq "the stored entry" "$(cut -f 3-7 <<<"$entry")" "$(printf 'with Ann\t2024-03-16\tUS$\t8.00\tCredit card')"
journey_end
