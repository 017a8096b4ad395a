#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# The overview's charts: a tap on this month's line below the list opens the overview, "Charts" in its
# menu shows the months' bars, a tap on this month's bars shows the month's ring of expense types, the
# chart is copied as a picture, and a tap on the ring's largest part closes the overview on that type's
# entry in the list, which "Delete entry" then deletes.
source "$(dirname "$0")/lib.sh"
journey_begin "$1" OverviewCharts
command -v xclip >/dev/null || journey_skip "xclip is missing"
seed_registry
seed_database "2024 1 10 EUR 40.00 Dinner Employer Cash - january" \
    "2024 2 12 EUR 25.00 Lunch Myself Cash - february" \
    "2024 3 2 EUR 12.50 Dinner Employer Cash 0042 dinner" \
    "2024 3 1 EUR 300.00 Rent Myself Transfer - rent" \
    "2024 3 5 EUR 7.00 Lunch Myself Cash - lunch"
start_tallyfox
shot main

# This month's line lies right above the soft keys, a finger high.
read -r _ _ _ height <<<"$(geometry "$J_MAIN")"
overview=$(new_window_after tap_in "$J_MAIN" 120 $((height / $(scale) - 39)))
shot overview
menu=$(new_window_after tap_soft_key "$overview" left)
shot overview-menu
# Copy to clipboard, Save as..., the separator, then Charts.
tap_menu_row "$menu" 2 1
wait_gone "$menu"
settle "$overview"
shot charts

# The bars open on the newest months: March's column is the last one, at the right edge.
read -r _ _ width height <<<"$(geometry "$overview")"
s=$(scale)
changing tap_in "$overview" $((width / s - 16)) $((height / s / 2))
shot march-ring
keys ctrl+c
wait_until "the chart on the clipboard" sh -c "xclip -o -selection clipboard -t TARGETS | grep -q image/png"
xclip -o -selection clipboard -t image/png >"$J_TMP/chart.png"
[ "$(head -c 4 "$J_TMP/chart.png" | tail -c 3)" = "PNG" ] || fail "the clipboard holds no PNG picture"

# The rent is nearly all of March's ring, which stands left of its legend, in the middle of the chart's
# height: a tap at the ring's bottom, between the hole and the edge.
ring_y=$((40 + (height / s - 40 - 26) / 2))
tap_in "$overview" 65 $((ring_y + 44))
wait_gone "$overview"
shot rent-selected
question=$(main_menu 7)
answer "$question" yes
wait_entries 4
shot deleted
[ -z "$(entry_of Rent)" ] || fail "the rent entry is still there"
journey_end
