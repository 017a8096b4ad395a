#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# An entry by the digit box alone: taps on the upper and lower halves of the digit columns, a carry from
# the units into the tens, a tap that would go below zero (ignored), and the strip that shows one more
# column; what the box shows is what is stored.
source "$(dirname "$0")/lib.sh"
journey_begin "$1" DigitBox
seed_registry
seed_database "2024 3 1 EUR 12.50 Dinner Employer Cash 0042 first"
start_tallyfox

editor=$(new_window_after tap_soft_key "$J_MAIN" right)
shot editor
tap_in "$editor" 60 126
type_text Books
# Three digits and the decimals: hundreds at 34, units at 111, tenths at 163, hundredths at 202; the
# upper half at 41, the lower at 81.
changing tap_in "$editor" 34 81
shot nothing-below-zero
for _ in 1 2 3 4 5 6 7 8 9; do tap_in "$editor" 111 41; done
changing tap_in "$editor" 111 41
shot ten
changing tap_in "$editor" 163 81
for _ in 1 2 3 4 5; do tap_in "$editor" 202 41; done
shot nine-ninety-five
# The left strip's upper half: a fourth column.
changing tap_in "$editor" 7 41
shot four-columns
tap_soft_key "$editor" right
wait_gone "$editor"
wait_entries 2
shot stored
expect_eq "the stored amount" "$(field_of Books 6)" 9.95
journey_end
