#!/usr/bin/env bash
# The shooter's world as a user sees it under Wine: the options dialog takes a window size
# typed into its fields, the help box opens at once, then the maximised window shows the very
# dark view, the black arena in its white frame, the light grey panel with the green health bar
# and the player's disc at the arena's centre. Holding the right arrow moves the player right
# while the arena scrolls left; F2 and OK on "Will Be" put the player and the arena back; PAUSE
# freezes the picture with the word "pause" readable on it, and PAUSE again goes on; ESC ends
# the program with exit code 0.
#
#   shooter_world_system.sh PATH/TO/shooter.exe
#
# Needs a display of at least 1400 x 1060. Keeps the first frame, the frame after the restart
# and the paused frame in SYSTEM_SHOTS, when set.
set -euo pipefail
source "$(dirname "$0")/../system/lib.sh"
start_driving
exe=$1

width=1400
height=1060
start_shooter "$exe" $width $height click
game=$GAME arena_x=$ARENA_X arena_y=$ARENA_Y panel_x=$PANEL_X # 150, 30, 1300

# measure FILE: what the test asks of a screenshot, in one call of the pixel helper since the
# game runs on meanwhile:
#   player_x, player_y  centre of the player's orange rim, the only orange in the view, or none
#   frame_x             the arena's left edge, from the middle of the frame's 5-pixel white
#                       band at its right edge (the rightmost white in the view on a row near
#                       the arena's top; the left edge can scroll out of the view), or none.
#                       An enemy crossing the band hides part of it on one row, so the
#                       rightmost of several rows counts.
#   view_colour         "R G B" at (60, 500), left of the arena
#   view_dark           pixels of RGB(20,20,20) in the 60 x 60 box at (30, 300)
#   frame_colour        "R G B" on the arena's left edge at y = 500
#   arena_black         black pixels in the 3 x 40 box just inside the frame
#   panel_colour        "R G B" at (panel + 80, 600)
#   bar_green           pixels of RGB(0,255,0) in the 30 x 160 box at (panel + 15, 130)
measure() {
    local rows=() dy x0 y0 x1 y1 right=-1
    for dy in 10 250 500 750 990; do
        rows+=(bbox 0 $((arena_y + dy)) "$panel_x" 1 255,255,255)
    done
    {
        read -r x0 y0 x1 y1
        player_x=none player_y=none
        [ "$x0" = none ] || player_x=$(((x0 + x1) / 2)) player_y=$(((y0 + y1) / 2))
        for dy in 10 250 500 750 990; do
            read -r x0 y0 x1 y1
            [ "$x0" = none ] || [ "$x1" -le "$right" ] || right=$x1
        done
        frame_x=none
        [ "$right" -lt 0 ] || frame_x=$((right - 2 - (ARENA_SIZE - 1)))
        read -r view_colour
        read -r view_dark
        read -r frame_colour
        read -r arena_black
        read -r panel_colour
        read -r bar_green
    } < <(pixels "$1" bbox 0 0 "$panel_x" "$height" 255,100,0 "${rows[@]}" \
        color 60 500 count 30 300 60 60 20,20,20 \
        color "$arena_x" 500 count $((arena_x + 3)) 480 3 40 0,0,0 \
        color $((panel_x + 80)) 600 count $((panel_x + 15)) 130 30 160 0,255,0)
}

# near A B TOLERANCE: whether two numbers differ by at most the tolerance.
near() { [ "$1" != none ] && [ $(($1 - $2)) -ge -"$3" ] && [ $(($1 - $2)) -le "$3" ]; }

# Keep the mouse on the panel, so that the cross-hair stays out of the view.
xdotool mousemove --window "$game" $((panel_x + 50)) $((height - 40))

shot="$WORK_DIR/shot.ppm"
first="$WORK_DIR/first.ppm"
# A frame that shows the world (the player's rim).
shows_player() {
    shot "$first" "$game"
    measure "$first"
    [ "$player_x" != none ]
}
wait_until 15 shows_player || fail "no frame with the player"
keep_shot "$first" world_first
start_x=$player_x start_y=$player_y start_frame=$frame_x

# The first frame: window size, regions and the player at the arena's centre.
[ "$(identify -format '%w %h' "$first")" = "$width $height" ] || fail "window is not ${width}x${height}"
[ "$view_colour" = "20 20 20" ] || fail "view is $view_colour, not RGB(20,20,20), at (60,500)"
[ "$view_dark" = 3600 ] || fail "view not uniformly dark ($view_dark of 3600)"
[ "$frame_colour" = "255 255 255" ] || fail "no white frame at x=$arena_x ($frame_colour)"
[ "$arena_black" -gt 0 ] || fail "arena is not black inside its frame"
[ "$panel_colour" = "200 200 200" ] || fail "panel is $panel_colour, not RGB(200,200,200)"
near "$start_x" $((arena_x + 500)) 2 && near "$start_y" $((arena_y + 500)) 2 ||
    fail "player at ($start_x, $start_y), not at the arena's centre"
[ "$start_frame" = "$arena_x" ] || fail "arena frame at $start_frame, not at $arena_x"

# restart: F2 and OK on "Will Be", then the first frames of the new game show the player and the
# arena back where they began. The box holds the frames, so what follows starts in a fresh game
# that no enemy has had time to cross: they come out of the corners, about 2 s from the player.
restart() {
    press "$game" F2 || fail "the game did not take the keyboard for F2"
    dismiss_box 'Will Be' || fail "no Will Be box after F2, or it did not close on Return"
    back_at_start() {
        shot "$shot" "$game"
        measure "$shot"
        near "$player_x" "$start_x" 2 && near "$player_y" "$start_y" 2 && [ "$frame_x" = "$start_frame" ]
    }
    wait_until 10 back_at_start || fail "after the restart: player at ($player_x, $player_y), frame at $frame_x"
}

# In a fresh game the health bar is full; holding the right arrow for two frames moves the
# player 2 screen pixels right per tick while the arena goes 3 left.
restart
[ "$bar_green" = 4800 ] || fail "health bar is not all green ($bar_green of 4800)"
focus "$game" || fail "the game did not take the keyboard for the right arrow"
# The key is held until the player has moved: a count of frames alone could pass before the
# window has taken the key down, and the key up could then come before any tick saw it held.
moved_right() {
    shot "$shot" "$game"
    measure "$shot"
    [ "$player_x" != none ] && [ $((player_x - start_x)) -ge 10 ]
}
moved=0
xdotool keydown Right
wait_until 10 moved_right || moved=$?
xdotool keyup Right
[ $moved = 0 ] || fail "the player did not move right (at $player_x, $player_y)"
near "$player_y" "$start_y" 2 || fail "the player moved vertically ($start_y to $player_y)"
[ "$frame_x" != none ] && [ "$frame_x" -lt "$start_frame" ] ||
    fail "the arena did not scroll left (frame at $start_frame, then $frame_x)"
echo "moved right: player x $start_x -> $player_x, arena frame x $start_frame -> $frame_x"

# F2 again: a new game with the player and the arena back where they began.
restart
keep_shot "$shot" world_restart

# PAUSE writes "pause" at (200, 200) of the last frame on an opaque white strip, so the word
# reads over the black arena there (the arena spans 150..1149 across and 30..1029 down after
# the restart): the word's box shows exactly the word, black on white. PAUSE again lets the
# frames go on, which no longer show the word.
word_shows() {
    shot "$shot" "$game"
    text_shows "$shot" 200 200 pause
}
# PAUSE toggles, so each press is made once, after the game has the keyboard.
press "$game" Pause || fail "the game did not take the keyboard for PAUSE"
wait_until 5 word_shows || fail "no readable \"pause\" at (200, 200) after PAUSE"
keep_shot "$shot" world_paused
press "$game" Pause || fail "the game did not take the keyboard for the second PAUSE"
wait_until 5 eval '! word_shows' || fail "\"pause\" still shows after PAUSE again"

close_with "$game" Escape
echo "PASS: shooter world: layout, movement, restart, pause and ESC"
