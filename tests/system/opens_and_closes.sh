#!/usr/bin/env bash
# A program opens its window "Game" under Wine (a shooter after its options dialog and the help
# box), shows its frame with the status line at the top-left, and ends with exit code 0 when the
# window is closed through the system menu.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
start_driving
exe=$1

start_program "$exe"
if is_shooter "$exe"; then
    fill_options_dialog 800 600
    dismiss_box help 15 || fail "no help box at start-up, or it did not close on Return"
fi
window=$(wait_for_window '^Game$') || fail "no window named Game"

# A few frames after the window shows, the status line stands at the client area's top-left.
image="$WORK_DIR/window.ppm"
window_layout "$window"
read -r client_x client_y _ <<<"$CLIENT"
wait_until 15 status_line_shows "$image" "$window" "$client_x" "$client_y" ||
    fail "no status line at the client area's top-left corner ($client_x, $client_y)"
if ! is_shooter "$exe" || [ "$(basename "$exe")" = shooter_variant.exe ]; then
    # The frame is drawn on white: most of the window is white, once the first frame shows.
    read -r width height < <(identify -format '%w %h\n' "$image")
    frame_is_white() {
        shot "$image" "$window"
        white=$(pixels "$image" count 0 0 "$width" "$height" 255,255,255)
        [ "$white" -gt $((width * height / 2)) ]
    }
    wait_until 10 frame_is_white || fail "the frame is not white ($white white pixels)"
fi

close_with "$window" alt+F4
echo "PASS: $(basename "$exe") opened its window, drew frames and closed with exit code 0"
