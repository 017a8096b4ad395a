#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# Says in one line when the real-window journeys cannot run here (they then count as skipped): no X
# server can be started, or a tool they drive it with is missing.
for tool in Xvfb xdotool xwininfo xprop import xclip matchbox-window-manager openbox; do
    if ! command -v "$tool" >/dev/null; then
        echo "Real-window journeys: $tool is missing, so they are skipped."
        exit 0
    fi
done
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
Xvfb -displayfd 3 -screen 0 320x240x24 -nolisten tcp 3>"$folder/display" >"$folder/log" 2>&1 &
server=$!
for _ in $(seq 50); do
    [ -s "$folder/display" ] && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.1
done
if [ -s "$folder/display" ]; then
    kill "$server"
    wait "$server" 2>/dev/null
else
    kill "$server" 2>/dev/null
    echo "Real-window journeys: no X server can be started here ($(tail -n 1 "$folder/log")), so they are skipped."
fi
exit 0
