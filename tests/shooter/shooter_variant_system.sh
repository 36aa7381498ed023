#!/usr/bin/env bash
# shooter_variant under Wine: the options dialog takes a window size of 1400 x 1060, the help box
# opens at start-up, then the window shows the white view with the grey outlines of the arena
# (at (150, 30)) and the view, the panel at x = 1300 with its black frame and green bar, the
# player's grey ring, and the red arrow pointer with its corner at the mouse; ESC ends it with
# exit code 0. The checked frame is kept as variant.png in SYSTEM_SHOTS, when set.
#
#   shooter_variant_system.sh PATH/TO/shooter_variant.exe
set -euo pipefail
source "$(dirname "$0")/../system/lib.sh"
start_driving
exe=$1

start_shooter "$exe" 1400 1060
window=$GAME

# Wait for a frame with the pointer: its red edges run right and down from the mouse.
image="$WORK_DIR/frame.ppm"
pointer_shows() {
    xdotool mousemove --window "$window" 600 800
    shot "$image" "$window"
    [ "$(pixels "$image" color 603 800 color 600 803 | sort -u)" = "255 0 0" ]
}
wait_until 15 pointer_shows || fail "no red arrow pointer at (600, 800)"
keep_shot "$image" variant
[ "$(identify -format '%w %h' "$image")" = "1400 1060" ] || fail "the window is not 1400 x 1060"

# expect_count WHAT EXPECTED X Y W H COLOUR: the number of pixels of that colour in the box.
expect_count() {
    local what=$1 expected=$2 found
    shift 2
    found=$(pixels "$image" count "$@")
    [ "$found" = "$expected" ] || fail "$what: $found pixels, not $expected"
}
expect_count "white view" 72000 20 100 80 900 255,255,255
expect_count "grey arena outline" 2700 148 100 5 900 100,100,100
expect_count "grey view outline" 700 400 1 700 1 100,100,100
expect_count "panel frame" 900 1300 100 1 900 0,0,0
expect_count "white panel" 9000 1360 400 30 300 255,255,255
expect_count "health bar" 4800 1315 130 30 160 0,255,0
ring=$(pixels "$image" count 635 515 30 30 100,100,100)
[ "$ring" -gt 40 ] || fail "no grey player ring at the arena's centre ($ring pixels)"

close_with "$window" Escape
echo "PASS: shooter_variant: dialog, help, white view, grey outlines, panel, arrow pointer, ESC"
