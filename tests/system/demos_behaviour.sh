#!/usr/bin/env bash
# Behaviour of the three demonstration programs under Wine, driven like a user with xdotool:
# each program's objects show in its window, a ball_toss ball dragged with the left button
# follows the pointer and flies on when let go, a click sets off a firework burst where the
# program has them, F1 opens the help box and ESC ends the program with exit code 0.
# Usage: demos_behaviour.sh BALL_TOSS.exe BALL_REPEL.exe ROPE_CHASE.exe
set -euo pipefail
source "$(dirname "$0")/lib.sh"
start_driving
if [ $# -ne 3 ]; then
    echo "usage: $0 BALL_TOSS.exe BALL_REPEL.exe ROPE_CHASE.exe" >&2
    exit 2
fi

image="$WORK_DIR/scene.ppm"
# Spark colours: no blue, red and green unequal (no grey), not the pointer's pure red.
spark='b == 0 and r != g and not (r == 255 and g == 0)'

# scene_has MORE_THAN COLOUR: takes a screenshot; whether more pixels than that of the colour
# show in the scene. Sets found.
scene_has() {
    shot "$image" "$window"
    found=$(pixels "$image" count "${scene[@]}" "$2")
    [ "$found" -gt "$1" ]
}

# start_demo EXE OBJECTS: starts the program; its frames show the overlay with the number of
# its objects. Sets client_x and client_y, where the client area lies in the window's
# screenshots (the window's frame is drawn inside the X window), and scene, the box of the
# client area below the status line and the overlay, where the scene's objects show.
start_demo() {
    start_program "$1"
    window=$(wait_for_window '^Game$') || fail "$(basename "$1"): no window \"Game\""
    window_layout "$window"
    read -r client_x client_y client_width client_height <<<"$CLIENT"
    scene=("$client_x" $((client_y + 50)) "$client_width" $((client_height - 50)))
    # Enter the window, then move a little so that the program sees the mouse move.
    xdotool mousemove --window "$window" 400 300
    new_frames "$window" "$image"
    xdotool mousemove --window "$window" 420 320
    overlay_shows() {
        shot "$image" "$window"
        text_shows "$image" "$client_x" $((client_y + 20)) "num of object : $1 "
    }
    wait_until 5 overlay_shows "$2" ||
        fail "$(basename "$1"): no \"num of object : $2 \" below the status line"
}

help_and_escape() {
    press "$window" F1 || fail "$1: the window did not take the keyboard for F1"
    dismiss_box help || fail "$1: F1 shows no help box"
    close_with "$window" Escape
}

# ball_toss: five balls drawn as grey trails ending in a dark disc, RGB(15, 15, 15).
disc=15,15,15
start_demo "$1" 5
wait_until 10 scene_has 2000 "$disc" || fail "ball_toss: the balls' dark discs are missing ($found pixels)"

# A ball dragged with the left button follows the pointer, drawn one mouse movement ahead of
# it; let go, it flies on with the last movement. The balls start at 100..399 of the client
# area, so their discs end at 419 across and down: right of and below that the client area is
# empty. Grab the highest ball: its centre lies 20 pixels below its top row, a few pixels
# right of that row's first pixel.
read -r x y < <(pixels "$image" find "${scene[@]}" "$disc")
mouse_x=$((x + 4)) mouse_y=$((y + 20))
xdotool mousemove --window "$window" $mouse_x $mouse_y mousedown 1
new_frames "$window" "$image" 2
# disc_near X Y: pixels of the dark disc in the 13 x 13 box centred on (X, Y).
disc_near() { pixels "$image" count $(($1 - 6)) $(($2 - 6)) 13 13 "$disc"; }
# drag_to X Y: eight steps, a frame after each, so that each is one movement of the mouse.
drag_to() {
    local from_x=$mouse_x from_y=$mouse_y step last_x last_y
    for step in 1 2 3 4 5 6 7 8; do
        last_x=$mouse_x last_y=$mouse_y
        mouse_x=$((from_x + ($1 - from_x) * step / 8)) mouse_y=$((from_y + ($2 - from_y) * step / 8))
        xdotool mousemove --window "$window" $mouse_x $mouse_y
        new_frames "$window" "$image"
    done
    new_frames "$window" "$image"
    ahead_x=$((2 * mouse_x - last_x)) ahead_y=$((2 * mouse_y - last_y))
    found=$(disc_near $ahead_x $ahead_y)
    [ "$found" -gt 120 ] || fail "ball_toss: no dragged ball at ($ahead_x, $ahead_y) ($found pixels)"
}
drag_to 250 480
first_x=$ahead_x first_y=$ahead_y
drag_to 400 520
found=$(disc_near $first_x $first_y)
[ "$found" -lt 20 ] || fail "ball_toss: the dragged ball stayed at ($first_x, $first_y)"
# Throw it to the right with a last movement of 6 pixels: it flies on for about 6 x 30 pixels,
# slowing down, while the pointer stays where the button was let go.
xdotool mousemove --window "$window" 406 520 mouseup 1
thrown() {
    shot "$image" "$window"
    read -r x0 y0 x1 y1 < <(pixels "$image" bbox $((client_x + 436)) $((client_y + 427)) 360 150 "$disc")
    [ "$x0" != none ] && [ $((x1 - x0)) -ge 38 ] && [ $(((x0 + x1) / 2)) -ge 506 ]
}
wait_until 5 thrown || fail "ball_toss: the thrown ball did not fly on to the right (${x0:-none} ${x1:-})"
[ $(((y0 + y1) / 2 - 520)) -ge -4 ] && [ $(((y0 + y1) / 2 - 520)) -le 4 ] ||
    fail "ball_toss: the ball thrown to the right went from y = 520 to $(((y0 + y1) / 2))"
echo "ball_toss: a ball dragged by ($first_x, $first_y) to (400, 520), let go at 406, flew on to x = $(((x0 + x1) / 2))"

# A right-click bursts.
scene_has -1 "$spark"
before=$found
xdotool mousemove --window "$window" 600 400 click 3
wait_until 5 scene_has $((before + 100)) "$spark" ||
    fail "ball_toss: a right-click makes no burst ($before -> $found spark pixels)"
help_and_escape ball_toss

# ball_repel: 24 white balls with black outlines; clicks add nothing.
start_demo "$2" 24
wait_until 10 scene_has 300 0,0,0 || fail "ball_repel: the balls' outlines are missing ($found pixels)"
xdotool mousemove --window "$window" 600 400 click 1 click 3
new_frames "$window" "$image" 3
scene_has 19 "$spark" && fail "ball_repel: clicks made coloured pixels ($found)"
help_and_escape ball_repel

# rope_chase: two blue ropes after the mouse has moved; a left-click bursts.
start_demo "$3" 2
wait_until 10 scene_has 300 0,55,155 || fail "rope_chase: the blue ropes are missing ($found pixels)"
scene_has -1 "$spark"
before=$found
xdotool mousemove --window "$window" 500 350
new_frames "$window" "$image"
xdotool click 1
wait_until 5 scene_has $((before + 100)) "$spark" ||
    fail "rope_chase: a left-click makes no burst ($before -> $found spark pixels)"
help_and_escape rope_chase
echo "PASS: demonstration programs: their objects, a dragged and thrown ball, bursts, help, ESC"
