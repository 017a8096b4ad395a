#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# Desktop habits: the list's header shows the sort key and its direction, a header tap sorts and a
# second one reverses, however quickly it follows; the soft keys and the editor's List buttons explain themselves in tooltips; a
# form opens at the size of its content, can be made larger, and opens at that size again, also after
# a new start.
source "$(dirname "$0")/lib.sh"
journey_begin "$1" DesktopHabits
seed_registry
seed_database "2024 3 1 EUR 12.50 Dinner Employer Cash 0042 first" \
    "2024 3 2 EUR 7.00 Lunch Myself Cash - second" \
    "2024 2 20 EUR 30.00 Train Client Voucher 0043 third"
start_tallyfox
shot sorted-by-name

# The Date column's header, right of What (80) and Receipt (hidden) and Note (hidden).
changing tap_in "$J_MAIN" 110 "$(header_middle)"
shot sorted-by-date
expect_eq "the first entry by date" "$(cli list 2>/dev/null | head -n 1 | cut -f 1)" Train
changing tap_in "$J_MAIN" 110 "$(header_middle)"
shot reversed
expect_eq "the first entry, reversed" "$(cli list 2>/dev/null | head -n 1 | cut -f 1)" Lunch
# Two quick taps on What are two taps, though the window system makes a double click of them: sorted by
# name, then reversed.
changing double_tap_in "$J_MAIN" 40 "$(header_middle)"
shot two-quick-taps
wait_until "the entries by name, reversed" test "$(cli list 2>/dev/null | head -n 1 | cut -f 1)" = Train

read -r x y w h <<<"$(geometry "$J_MAIN")"
tip=$(new_window_after xdotool mousemove $((x + 3 * w / 4)) $((y + h - 20)))
shot new-item-tooltip
xdotool mousemove $((x + w / 2)) $((y + h / 2))
wait_gone "$tip"

editor=$(new_window_after tap_soft_key "$J_MAIN" right)
shot editor-at-its-size
read -r x y w h <<<"$(geometry "$editor")"
expect_eq "the editor's width" "$w" 480
[ "$h" -lt 640 ] || fail "the editor ($w x $h) is not sized to its content"
tip=$(new_window_after xdotool mousemove $((x + 151 * 2)) $((y + 126 * 2)))
shot list-tooltip
xdotool mousemove $((x + 100)) $((y + h - 100))
wait_gone "$tip"

# The frame's lower right corner, dragged by the pointer as a person does.
drag $((x + w - 4)) $((y + h + 3)) $((x + w + 216)) $((y + h + 163))
wait_until "a larger editor" test "$(geometry "$editor" | cut -d ' ' -f 3)" -gt "$w"
settle "$editor"
shot larger-editor
larger=$(geometry "$editor" | cut -d ' ' -f 3-)
read -r lw lh <<<"$larger"
[ "$lh" -gt "$h" ] || fail "the editor did not grow ($larger)"
keys Escape
wait_gone "$editor"
editor=$(new_window_after keys ctrl+n)
shot editor-again
expect_eq "the editor's size when opened again" "$(geometry "$editor" | cut -d ' ' -f 3-)" "$larger"
keys Escape
wait_gone "$editor"
keys ctrl+q
wait_ended
grep -q 'Software\\Tallyfox\\Window\\ItemForm' "$TALLYFOX_REGISTRY" || fail "the editor's size is not kept"

start_tallyfox
editor=$(new_window_after tap_soft_key "$J_MAIN" right)
shot editor-after-restart
expect_eq "the editor's size after a new start" "$(geometry "$editor" | cut -d ' ' -f 3-)" "$larger"
journey_end
