#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# A purge: "Purge entries..." opens over the whole screen, proposing the entries before a month ago;
# "Purge" deletes them and keeps the others.
source "$(dirname "$0")/lib.sh"
journey_begin "$1" Purge
seed_registry
seed_database "2024 3 1 EUR 12.50 Dinner Employer Cash 0042 first" \
    "2024 1 10 EUR 7.00 Lunch Myself Cash - old" \
    "2023 12 20 EUR 30.00 Train Client Voucher 0043 older"
start_tallyfox

purge=$(main_menu 3)
shot purge-form
on_phone && expect_full_screen "$purge" "the purge form"
before=$(shown_windows)
tap_soft_key "$purge" right
# A question may come first.
for _ in $(seq 20); do
    is_shown "$purge" || break
    question=$(comm -13 <(echo "$before") <(shown_windows) | head -n 1)
    if [ -n "$question" ]; then
        settle "$question"
        shot question
        answer "$question" yes
        break
    fi
    sleep 0.1
done
wait_gone "$purge"
wait_entries 1
shot purged
expect_eq "the entry kept" "$(cli list 2>/dev/null | cut -f 1)" Dinner
journey_end
