#!/usr/bin/env bash
# A program opens its window "Game" under Wine, shows its frame with the status line at the
# top-left, and ends with exit code 0 when the window is closed through the system menu.
set -u
source "$(dirname "$0")/lib.sh"
exe=$1

start_program "$exe"
if is_shooter "$exe"; then
    accept_options_dialog 800 600
    dismiss_box help 5 || true
fi
window=$(wait_for_window '^Game$') || fail "no window named Game"

# A few frames after the window shows, the status line stands at the top-left.
image="$WORK_DIR/window.png"
deadline=$((SECONDS + 15))
while :; do
    shot "$image" "$window"
    dark=$(pixels "$image" count 0 0 200 40 0 0 0 60)
    [ "$dark" -gt 20 ] && break
    [ $SECONDS -lt $deadline ] || fail "no status line in the window's top-left corner"
    sleep 0.3
done
read -r width height < <(identify -format '%w %h' "$image")
if ! is_shooter "$exe" || [ "$(basename "$exe")" = shooter_variant.exe ]; then
    # The frame is drawn on white: most of the window is white.
    white=$(pixels "$image" count 0 0 "$width" "$height" 255 255 255)
    [ "$white" -gt $((width * height / 2)) ] || fail "the frame is not white ($white white pixels)"
fi

# A key pressed just after a box has closed can be lost under Wine: ask again if need be.
code=""
for attempt in 1 2 3; do
    press "$window" alt+F4
    code=$(wait_for_exit 8) && break
done
[ -n "$code" ] || fail "the program did not end after the close request"
[ "$code" = 0 ] || fail "exit code $code"
echo "PASS: $(basename "$exe") opened its window, drew frames and closed with exit code 0"
