# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# The journeys' library: each journey starts the built program in an X server of its own (Xvfb, with a
# phone shell or a desktop window manager, or none), drives it with taps, drags and keys as a person
# does, checks what it stored through the database file and tallyfox-cli, and keeps a picture of the
# screen at each step. Sourced by one script per journey:
#
#   source "$(dirname "$0")/lib.sh"
#   journey_begin phone FirstStart      # phone | desktop | bare-phone | bare-desktop
#   ...
#
# Every journey has its own temporary HOME and XDG folders, registry file, clock, locale and display, so
# that journeys can run side by side. Waits are on conditions, each with a time limit.
set -euo pipefail

# CTest's SKIP_RETURN_CODE for the journeys.
readonly JOURNEY_SKIP=77
# How long a condition may take before the journey fails, in tenths of a second.
JOURNEY_PATIENCE=${JOURNEY_PATIENCE:-100}

: "${TALLYFOX_BIN_DIR:?the folder of the built tallyfox and tallyfox-cli}"
: "${JOURNEY_OUT:?the folder for the pictures of the steps}"

J_PIDS=()
J_STEP=0
J_MAIN=""
J_TALLYFOX=""

journey_skip()
{
    echo "journeys: $*; the real-window journeys are skipped." >&2
    exit "$JOURNEY_SKIP"
}

fail()
{
    echo "FAILED at step $J_STEP: $*" >&2
    shot failure 2>/dev/null || true
    exit 1
}

journey_cleanup()
{
    local status=$?
    local pid
    for ((i = ${#J_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${J_PIDS[i]}
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${J_PIDS[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    if [ -n "${J_TMP:-}" ]; then
        if [ "$status" -ne 0 ] && [ "$status" -ne "$JOURNEY_SKIP" ] && [ -f "$J_TMP/tallyfox.log" ]; then
            echo "--- the program's standard error:" >&2
            cat "$J_TMP/tallyfox.log" >&2
        fi
        rm -rf "$J_TMP"
    fi
    exit "$status"
}

# Waits until a command succeeds; fails the journey with the message after JOURNEY_PATIENCE.
wait_until()
{
    local what=$1
    shift
    local tries=0
    until "$@" >/dev/null 2>&1; do
        tries=$((tries + 1))
        [ "$tries" -le "$JOURNEY_PATIENCE" ] || fail "waited in vain for $what"
        sleep 0.1
    done
}

journey_begin()
{
    J_PROFILE=$1
    J_NAME=$2
    local width height manager
    case $J_PROFILE in
    phone) width=720 height=1440 manager=matchbox-window-manager ;;
    desktop) width=1920 height=1080 manager=openbox ;;
    bare-phone) width=720 height=1440 manager="" ;;
    bare-desktop) width=1920 height=1080 manager="" ;;
    *) echo "unknown profile $J_PROFILE" >&2 && exit 2 ;;
    esac
    J_WIDTH=$width
    J_HEIGHT=$height
    local tool
    for tool in Xvfb xdotool xwininfo xprop import $manager; do
        command -v "$tool" >/dev/null || journey_skip "no X server can be started here ($tool is missing)"
    done
    [ -x "$TALLYFOX_BIN_DIR/tallyfox" ] || fail "$TALLYFOX_BIN_DIR/tallyfox is not built"

    J_TMP=$(mktemp -d "${TMPDIR:-/tmp}/tallyfox-journey.XXXXXX")
    trap journey_cleanup EXIT
    J_SHOTS=$JOURNEY_OUT/$J_PROFILE.$J_NAME
    rm -rf "$J_SHOTS"
    mkdir -p "$J_SHOTS"

    export HOME=$J_TMP/home
    export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
    export XDG_RUNTIME_DIR=$J_TMP/runtime
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    export TALLYFOX_REGISTRY=$J_TMP/registry.reg
    export TALLYFOX_NOW=${TALLYFOX_NOW:-2024-03-15T10:30:00}
    export TZ=UTC
    # The program's locale; the shell's own tools keep theirs.
    J_LOCALE=${J_LOCALE:-en_US.UTF-8}
    unset QT_SCALE_FACTOR QT_QPA_PLATFORM WAYLAND_DISPLAY SESSION_MANAGER
    J_DATA=$J_TMP/data
    mkdir -p "$J_DATA"
    J_DATABASE=$J_DATA/TallyfoxData.tfx

    # Xvfb chooses a free display itself and writes its number once it accepts clients.
    Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -nolisten tcp -noreset \
        3>"$J_TMP/display" >"$J_TMP/xvfb.log" 2>&1 &
    J_PIDS+=($!)
    local tries=0
    until [ -s "$J_TMP/display" ]; do
        tries=$((tries + 1))
        if [ "$tries" -gt 100 ] || ! kill -0 "${J_PIDS[0]}" 2>/dev/null; then
            journey_skip "no X server can be started here (Xvfb: $(tail -n 1 "$J_TMP/xvfb.log" 2>/dev/null))"
        fi
        sleep 0.1
    done
    export DISPLAY=:$(head -n 1 "$J_TMP/display")
    if [ -n "$manager" ]; then
        case $manager in
        matchbox-window-manager) matchbox-window-manager -use_titlebar no >"$J_TMP/wm.log" 2>&1 & ;;
        openbox) openbox --config-file /dev/null >"$J_TMP/wm.log" 2>&1 & ;;
        esac
        J_PIDS+=($!)
        wait_until "the window manager" wm_running
    fi
}

wm_running()
{
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'
}

# The registry file, seeded with the values given as lines of its text form ("Name"=dword:... or
# "Name"="text"), after the ones that make a known user with a database in the journey's data folder.
seed_registry()
{
    {
        printf '[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n'
        printf '"Version"=dword:000003b9\r\n'
        printf '"DataLocation"="%s/"\r\n' "$J_DATA"
        printf '"Database"="%s"\r\n' "$J_DATABASE"
        local line
        for line in "$@"; do
            printf '%s\r\n' "$line"
        done
    } >"$TALLYFOX_REGISTRY"
}

# The database, with one entry per argument: "YYYY MM DD CURRENCY AMOUNT TYPE SOURCE PAIDWITH RECEIPT NOTE"
# (RECEIPT - for none; NOTE may have spaces).
seed_database()
{
    {
        printf '\tYear\tMonth\tDay\tCurrency\tAmount\tIncome?\tType\tIntended source\tPaid with\tHas receipt\tReceipt number\tNote\r\n'
        local entry year month day currency amount type source paid receipt note has
        for entry in "$@"; do
            read -r year month day currency amount type source paid receipt note <<<"$entry"
            has=true
            [ "$receipt" != "-" ] || { has=false; receipt=00; }
            printf 'item\t%s\t%s\t%s\t%s\t%s\tfalse\t%s\t%s\t%s\t%s\t%s\t%s\r\n' "$year" "$month" "$day" \
                "$currency" "$amount" "$type" "$source" "$paid" "$has" "$receipt" "$note"
        done
    } >"$J_DATABASE"
}

# The ids of the program's windows that show on the screen, one a line.
shown_windows()
{
    local id
    for id in $(xdotool search --onlyvisible --classname '^tallyfox$' 2>/dev/null); do
        echo "$id"
    done | sort
}

# Starts the program with the arguments given and waits for its main window.
start_tallyfox()
{
    env LC_ALL="$J_LOCALE" LANG="$J_LOCALE" LANGUAGE= "$TALLYFOX_BIN_DIR/tallyfox" "$@" >"$J_TMP/tallyfox.log" 2>&1 &
    J_TALLYFOX=$!
    J_PIDS+=("$J_TALLYFOX")
    wait_until "the main window" main_window_shown
    J_MAIN=$(xdotool search --onlyvisible --name '^Tallyfox$' | head -n 1)
    settle "$J_MAIN"
    wait_until "the main window to be drawn" is_painted "$J_MAIN"
}

# The colour of one pixel of the screen, as ImageMagick names it ("srgb(239,239,239)").
pixel()
{
    import -window root -crop "1x1+$1+$2" +repage txt:- | awk 'NR == 2 {print $NF}'
}

# A window shows more than the black of an empty screen at its soft keys' row.
is_painted()
{
    local x y w h
    read -r x y w h <<<"$(geometry "$1")"
    case $(pixel $((x + 4)) $((y + h - 4))) in
    black | "#000000" | "srgb(0,0,0)" | "") return 1 ;;
    esac
}

main_window_shown()
{
    xdotool search --onlyvisible --name '^Tallyfox$'
}

# Runs a gesture and waits for a window of the program that was not on the screen before it; prints the
# new window's id.
new_window_after()
{
    local before tries=0 found=""
    before=$(shown_windows)
    "$@"
    while [ -z "$found" ]; do
        found=$(comm -13 <(echo "$before") <(shown_windows) | head -n 1)
        [ -n "$found" ] && break
        tries=$((tries + 1))
        [ "$tries" -le "$JOURNEY_PATIENCE" ] || fail "no new window after: $*"
        sleep 0.1
    done
    # Mapped is not yet placed and drawn: wait until its size has settled and it shows.
    settle "$found"
    wait_until "window $found to be drawn" is_painted "$found"
    echo "$found"
}

is_shown()
{
    xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

is_gone()
{
    ! is_shown "$1"
}

wait_gone()
{
    wait_until "window $1 to close" is_gone "$1"
}

# Waits for a window's place and size to stay the same for a moment, as after a window manager placed it.
settle()
{
    local last="" now tries=0 same=0
    while [ "$same" -lt 3 ]; do
        now=$(geometry "$1" 2>/dev/null || true)
        if [ -n "$now" ] && [ "$now" = "$last" ]; then
            same=$((same + 1))
        else
            same=0
        fi
        last=$now
        tries=$((tries + 1))
        [ "$tries" -le "$JOURNEY_PATIENCE" ] || fail "window $1 never settled"
        sleep 0.05
    done
}

# A window's place and size on the screen: "X Y WIDTH HEIGHT" of its inside.
geometry()
{
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /^ *Width:/ {w=$NF} /^ *Height:/ {h=$NF} END {print x, y, w, h}'
}

# The factor the program scales its layout by: a phone's width / 240, a desktop's 2.
scale()
{
    case $J_PROFILE in
    *phone) echo 3 ;;
    *) echo 2 ;;
    esac
}

# A tap (press and release of the left button) at screen pixels.
tap()
{
    xdotool mousemove "$1" "$2" click 1
}

# A tap at a point of a window given in the layout's device-independent pixels.
tap_in()
{
    local x y w h s
    read -r x y w h <<<"$(geometry "$1")"
    s=$(scale)
    tap $((x + $2 * s)) $((y + $3 * s))
}

double_tap_in()
{
    local x y w h s
    read -r x y w h <<<"$(geometry "$1")"
    s=$(scale)
    xdotool mousemove $((x + $2 * s)) $((y + $3 * s)) click --repeat 2 --delay 80 1
}

# A tap on a soft key of a window: left or right, along its bottom edge.
tap_soft_key()
{
    local x y w h
    read -r x y w h <<<"$(geometry "$1")"
    case $2 in
    left) tap $((x + w / 4)) $((y + h - 13 * $(scale))) ;;
    right) tap $((x + 3 * w / 4)) $((y + h - 13 * $(scale))) ;;
    esac
}

# A drag with the finger from one screen point to another, in steps.
drag()
{
    local x0=$1 y0=$2 x1=$3 y1=$4 steps=8 i
    xdotool mousemove "$x0" "$y0" mousedown 1
    for ((i = 1; i <= steps; i++)); do
        xdotool mousemove $((x0 + (x1 - x0) * i / steps)) $((y0 + (y1 - y0) * i / steps))
        sleep 0.02
    done
    xdotool mouseup 1
}

keys()
{
    xdotool key --clearmodifiers --delay 40 "$@"
}

type_text()
{
    xdotool type --clearmodifiers --delay 30 "$1"
}

# A picture of the whole screen as the next step: JOURNEY_OUT/PROFILE.NAME/NN-WHAT.png.
shot()
{
    J_STEP=$((J_STEP + 1))
    import -window root "$(printf '%s/%02d-%s.png' "$J_SHOTS" "$J_STEP" "$1")"
}

# tallyfox-cli on the journey's data, in its locale.
cli()
{
    env LC_ALL="$J_LOCALE" LANG="$J_LOCALE" "$TALLYFOX_BIN_DIR/tallyfox-cli" "$@"
}

# The number of entries in the database.
entry_count()
{
    cli list 2>/dev/null | wc -l
}

expect_eq()
{
    [ "$2" = "$3" ] || fail "$1: expected '$3', found '$2'"
}

# Waits until the database holds COUNT entries.
wait_entries()
{
    wait_until "$1 entries in the database" test "$(entry_count)" = "$1"
}

# A window covers the whole screen.
expect_full_screen()
{
    local g
    g=$(geometry "$1")
    expect_eq "$2 covers the screen" "$g" "0 0 $J_WIDTH $J_HEIGHT"
}

# A window lies inside the screen.
expect_inside_screen()
{
    local x y w h
    read -r x y w h <<<"$(geometry "$1")"
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$J_WIDTH" ] && [ $((y + h)) -le "$J_HEIGHT" ] ||
        fail "$2 ($w x $h at $x,$y) lies outside the ${J_WIDTH}x$J_HEIGHT screen"
}

# Waits for the program to end by itself.
wait_ended()
{
    wait_until "the program to end" program_ended
}

program_ended()
{
    ! kill -0 "$J_TALLYFOX" 2>/dev/null
}

journey_end()
{
    echo "journey $J_PROFILE.$J_NAME: $J_STEP steps, pictures in $J_SHOTS"
}

# Answers a message or a question: on a phone with its soft keys (OK and No on the right, Yes on the
# left), on a desktop with the message box's keys (Enter for OK, Alt+Y and Alt+N, as a person types).
answer()
{
    local window=$1 answer=${2:-ok}
    case $J_PROFILE in
    *phone)
        case $answer in
        yes) tap_soft_key "$window" left ;;
        *) tap_soft_key "$window" right ;;
        esac
        ;;
    *)
        case $answer in
        yes) keys alt+y ;;
        no) keys alt+n ;;
        *) keys Return ;;
        esac
        ;;
    esac
    wait_gone "$window"
}

on_phone()
{
    case $J_PROFILE in *phone) return 0 ;; *) return 1 ;; esac
}

# Taps a row of a menu that is open, counted from 0 at the top, past the separators above it.
tap_menu_row()
{
    local menu=$1 row=$2 separators=${3:-0} x y w h s
    read -r x y w h <<<"$(geometry "$menu")"
    s=$(scale)
    tap $((x + 40 * s)) $((y + 1 + (26 * row + 2 * separators + 13) * s))
}

# Opens the main menu with the left soft key and taps one of its rows; prints the window that opens.
# Rows: 0 Exit, 1 About, 2 Options, 3 Purge, 4 Show info and totals, 5 File, 6 Sort, 7 Delete entry,
# 8 Edit entry, 9 Undo, 10 Redo.
main_menu()
{
    local row=$1 separators=0 menu
    [ "$row" -lt 6 ] || separators=1
    [ "$row" -lt 7 ] || separators=2
    [ "$row" -lt 9 ] || separators=3
    menu=$(new_window_after tap_soft_key "$J_MAIN" left)
    new_window_after tap_menu_row "$menu" "$row" "$separators"
}

# The height of the filter bar above the entry list, in layout pixels: a finger-sized row.
readonly FILTER_BAR=26

# The middle of the list's header, in layout pixels from the window's top.
header_middle()
{
    echo $((FILTER_BAR + 7))
}

# The middle of a row of the entry list, counted from 0, below the filter bar and the header: the
# header is finger-sized on a phone.
row_middle()
{
    local header=15
    on_phone && header=26
    echo $((FILTER_BAR + header + 10 + 20 * $1))
}

# Taps a row of the entry list, counted from 0.
tap_row()
{
    tap_in "$J_MAIN" 40 "$(row_middle "$1")"
}

double_tap_row()
{
    double_tap_in "$J_MAIN" 40 "$(row_middle "$1")"
}

# The database's entry of that type as tallyfox-cli lists it: What, Receipt, Note, Date, Currency,
# Amount, Paid with, Int. source, the primary amount.
entry_of()
{
    cli list 2>/dev/null | awk -F '\t' -v type="$1" '$1 == type'
}

# A field (counted from 1) of that entry.
field_of()
{
    entry_of "$1" | cut -f "$2"
}

screen_hash()
{
    import -window root rgb:- | md5sum | cut -d ' ' -f 1
}

screen_differs()
{
    [ "$(screen_hash)" != "$1" ]
}

# Runs a gesture and waits until the screen shows its effect.
changing()
{
    local before
    before=$(screen_hash)
    "$@"
    wait_until "the screen to change after: $*" screen_differs "$before"
}
