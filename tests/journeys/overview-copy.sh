#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# The overview's copy: "Show info and totals", then "Copy to clipboard" in its menu puts the report on
# the clipboard, the same text tallyfox-cli reports.
source "$(dirname "$0")/lib.sh"
journey_begin "$1" OverviewCopy
command -v xclip >/dev/null || journey_skip "xclip is missing"
seed_registry
seed_database "2024 3 1 EUR 12.50 Dinner Employer Cash 0042 first" \
    "2024 3 2 EUR 7.00 Lunch Myself Cash - second" \
    "2024 2 20 EUR 30.00 Train Client Voucher 0043 third"
start_tallyfox

overview=$(main_menu 4)
shot overview
on_phone && expect_full_screen "$overview" "the overview"
# On a desktop the report has the room of the layout's whole screen.
on_phone || expect_eq "the overview's size" "$(geometry "$overview" | cut -d ' ' -f 3-)" "480 640"
menu=$(new_window_after tap_soft_key "$overview" left)
shot overview-menu
tap_menu_row "$menu" 0
wait_gone "$menu"
wait_until "the report on the clipboard" xclip -o -selection clipboard
clipboard=$(xclip -o -selection clipboard | tr -d '\r')
expect_eq "the clipboard" "$clipboard" "$(cli report | tr -d '\r')"
tap_soft_key "$overview" right
wait_gone "$overview"
shot closed
journey_end
