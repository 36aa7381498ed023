#!/usr/bin/env bash
# A program opens its window "Game" under Wine, shows its frame with the status line at the
# top-left, and ends with exit code 0 when the window is closed through the system menu.
set -u
source "$(dirname "$0")/lib.sh"
exe=$1

start_program "$exe"
if is_shooter "$exe"; then
    fill_options_dialog 800 600
    dismiss_box help 5 || true
fi
window=$(wait_for_window '^Game$') || fail "no window named Game"

# A few frames after the window shows, the status line stands at the top-left.
image="$WORK_DIR/window.ppm"
deadline=$((SECONDS + 15))
while :; do
    shot "$image" "$window"
    [ "$(pixels "$image" count 0 0 200 40 'max(r, g, b) <= 60')" -gt 20 ] && break
    [ $SECONDS -lt $deadline ] || fail "no status line in the window's top-left corner"
    sleep 0.3
done
if ! is_shooter "$exe" || [ "$(basename "$exe")" = shooter_variant.exe ]; then
    # The frame is drawn on white: most of the window is white.
    read -r width height < <(identify -format '%w %h' "$image")
    white=$(pixels "$image" count 0 0 "$width" "$height" 255,255,255)
    [ "$white" -gt $((width * height / 2)) ] || fail "the frame is not white ($white white pixels)"
fi

close_with "$window" alt+F4
echo "PASS: $(basename "$exe") opened its window, drew frames and closed with exit code 0"
