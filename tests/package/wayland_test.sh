#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# The program starts on a Wayland compositor, as on Phosh and Plasma Mobile: a headless weston of the
# test's own, Qt's wayland platform and nothing to fall back to. Skipped when weston cannot start here.
#   wayland_test.sh TALLYFOX
set -euo pipefail
source "$(dirname "$0")/testlib.sh"
program=$1

command -v weston >/dev/null || skip "weston is not installed"
socket=tallyfox-test
weston --backend=headless-backend.so --socket=$socket --idle-time=0 --no-config \
    --width=720 --height=1280 >"$scratch/weston.log" 2>&1 &
compositor=$!
trap 'kill $compositor 2>/dev/null; wait $compositor 2>/dev/null; rm -rf "$scratch"' EXIT
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
    kill -0 $compositor 2>/dev/null || break
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || skip "weston cannot start here: $(tail -n 1 "$scratch/weston.log")"

# A settings folder with a database, so that start-up asks nothing.
settings=$scratch/settings/
mkdir -p "$settings"
printf '\tYear\tMonth\tDay\tCurrency\tAmount\tIncome?\tType\tIntended source\tPaid with\tHas receipt\tReceipt number\tNote\r\n' \
    >"$settings/TallyfoxData.tfx"
printf '[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n"Version"=dword:000003b9\r\n"DataLocation"="%s"\r\n' \
    "$settings" >"$TALLYFOX_REGISTRY"

env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$socket "$program" >"$scratch/out" 2>"$scratch/err" &
window=$!
started=false
for _ in $(seq 300); do
    if grep -q 'Load file: ' "$settings/Tallyfox.log" 2>/dev/null; then
        started=true
        break
    fi
    kill -0 $window 2>/dev/null || break
    sleep 0.1
done
if $started && kill -0 $window 2>/dev/null; then
    kill $window
    wait $window 2>/dev/null || true
else
    wait $window 2>/dev/null && rc=0 || rc=$?
    fail "the program did not start on Wayland (exit code $rc): $(head -c 600 "$scratch/err")"
fi
grep -q 'wayland' "$scratch/err" && fail "Qt's wayland platform complained: $(grep wayland "$scratch/err" | head -n 3)"
finish
