#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# Options: "Options..." opens its pages (over the whole screen on a phone, and so does the folder picker
# of "Change location"); a tap on "Show income as positive" and "Save" store the setting in the registry.
source "$(dirname "$0")/lib.sh"
journey_begin "$1" Options
seed_registry '"IncomeIsPositive"=dword:00000000'
seed_database "2024 3 1 EUR 12.50 Dinner Employer Cash 0042 first"
start_tallyfox

options=$(main_menu 2)
shot options
on_phone && expect_full_screen "$options" "the options"
picker=$(new_window_after tap_in "$options" 60 96)
shot folder-picker
expect_inside_screen "$picker" "the folder picker"
on_phone && expect_full_screen "$picker" "the folder picker"
keys Escape
wait_gone "$picker"
changing tap_in "$options" 20 171
shot income-positive
tap_soft_key "$options" right
wait_gone "$options"
shot saved
wait_until "the setting in the registry" grep -q '"IncomeIsPositive"=dword:00000001' "$TALLYFOX_REGISTRY"
keys ctrl+q
wait_ended
grep -q '"IncomeIsPositive"=dword:00000001' "$TALLYFOX_REGISTRY" || fail "the setting was lost at exit"
journey_end
