#!/usr/bin/env bash
# The shooter's options dialog given what a new user might type into its size fields: empty
# fields, letters, blanks, a lone sign, negative, too small, barely enough, exponents, too many
# digits and sizes far beyond the screen. Every entry either opens the game, which draws its
# frames and closes with exit code 0, or ends with the message "Cannot Create Window" (caption
# "Error") and exit code 0; nothing crashes or hangs. Cancel and the dialog's close box end the
# program at once.
#
# What the dialog does with an entry: it reads at most 9 characters and parses them as a decimal
# number; text that does not parse keeps the screen's size; a size below 200 is refused; there is
# no upper bound.
#     options_dialog_input.sh SHOOTER_EXE
set -euo pipefail
source "$(dirname "$0")/lib.sh"
start_driving
exe=$1

# outcome: waits for what the accepted dialog leads to and prints "game WINDOW" or "refused",
# answering the help box that the game may show first.
outcome() {
    local deadline=$((SECONDS + 30)) id
    while [ $SECONDS -lt $deadline ]; do
        id=$(find_window '^Error$') && { echo "refused $id"; return 0; }
        id=$(find_window '^help$') && { press "$id" Return || true; }
        id=$(find_window '^Game$') && { echo "game $id"; return 0; }
        program_running || { echo "ended"; return 0; }
        sleep 0.2
    done
    echo "nothing"
}

# check_entry FIELD TEXT EXPECTED [SIZE]: FIELD is width or height, EXPECTED is game or
# refused; SIZE is the game window's expected size in that dimension, or "beyond" the screen.
check_entry() {
    local field=$1 text=$2 expected=$3 size=${4:-} result window
    local label="$field \"$text\""
    start_program "$exe"
    if [ "$field" = width ]; then
        fill_options_dialog "$text" keep
    else
        fill_options_dialog keep "$text"
    fi
    read -r result window < <(outcome)
    case "$result" in
    refused)
        [ "$expected" = refused ] || fail "$label: refused, but should open the game"
        window_layout "$window"
        window_reads "Cannot Create Window" || fail "$label: the box says \"${TEXTS[*]}\""
        press "$window" Return || fail "$label: the message box did not take the keyboard"
        ;;
    game)
        [ "$expected" = game ] || fail "$label: opened the game, but should be refused"
        # The game runs: frames arrive and the status line stands at the top-left corner.
        wait_until 15 status_line_shows "$WORK_DIR/shot.ppm" || fail "$label: the game shows no status line"
        program_running || fail "$label: the game ended by itself"
        if [ -n "$size" ]; then
            local geometry actual
            geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
            if [ "$field" = width ]; then actual=${geometry%x*}; else actual=${geometry#*x}; fi
            if [ "$size" = beyond ]; then
                [ "$actual" -gt "$screen_size" ] || fail "$label: window $geometry, not beyond the screen"
            else
                [ "$actual" = "$size" ] || fail "$label: window $geometry, $field should be $size"
            fi
        fi
        press "$window" alt+F4 || fail "$label: the game did not take the keyboard"
        ;;
    ended) fail "$label: the program ended without a window or a message" ;;
    *) fail "$label: neither the game nor the message appeared" ;;
    esac
    wait_for_exit 20 || fail "$label: the program did not end"
    [ "$EXIT_CODE" = 0 ] || fail "$label: exit code $EXIT_CODE"
    echo "ok: $label -> $result${size:+ ($field $size)}, exit code 0"
}

# declined HOW: Cancel (clicked) or the dialog's close box (Alt+F4) ends the program at once
# with exit code 0: no message, no help box, no game.
declined() {
    start_program "$exe"
    options_dialog
    if [ "$1" = cancel ]; then
        click_control "$DIALOG" $CANCEL_BUTTON
    else
        press "$DIALOG" alt+F4
    fi
    wait_for_exit 10 || fail "$1: the program goes on after the dialog was declined"
    [ "$EXIT_CODE" = 0 ] || fail "$1: exit code $EXIT_CODE"
    echo "ok: $1 -> ended, exit code 0"
}
declined cancel
declined close

read -r screen_width screen_height < <(xdpyinfo | sed -n 's/ *dimensions: *\([0-9]*\)x\([0-9]*\).*/\1 \2/p')

# Text that does not parse keeps the screen's size.
screen_size=$screen_width
check_entry width "" game "$screen_width"
check_entry width "abc" game "$screen_width"
check_entry width "   " game "$screen_width"
check_entry width "-" game "$screen_width"
check_entry width "+" game "$screen_width"
# Numbers below 200 are refused; "1e3" reads as 1.
check_entry width "-5" refused
check_entry width "199" refused
check_entry width "1e3" refused
check_entry width "200" game 200
# Only the first nine characters count: 123456789, far beyond the screen, like 999999999.
check_entry width "1234567890" game beyond
check_entry width "999999999" game beyond
screen_size=$screen_height
check_entry height "" game "$screen_height"
check_entry height "x1" game "$screen_height"
check_entry height "0" refused
check_entry height "999999999" game beyond
echo "PASS: every entry opened the game or was refused with a message, and ended with exit code 0"
