#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# The keyboard after a form closes, with no window manager to hand it back: Ctrl+N opens the editor,
# Esc closes it, and Ctrl+Q at once ends the program, without a tap on the list first.
source "$(dirname "$0")/lib.sh"
journey_begin "$1" FocusAfterForm
seed_registry
seed_database "2024 3 1 EUR 12.50 Dinner Employer Cash 0042 first"
start_tallyfox

editor=$(new_window_after keys ctrl+n)
shot editor
expect_inside_screen "$editor" "the item editor"
keys Escape
wait_gone "$editor"
shot editor-closed
keys ctrl+q
wait_ended
journey_end
