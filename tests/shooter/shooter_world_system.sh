#!/usr/bin/env bash
# The shooter's world as a user sees it under Wine: the options dialog takes a window size
# typed into its fields, the help box opens at once, then the maximised window shows the very
# dark view, the black arena in its white frame, the light grey panel with the green health bar
# and the player's disc at the arena's centre. Holding the right arrow moves the player right
# while the arena scrolls left; F2 and OK on "Will Be" put the player and the arena back; ESC
# ends the program with exit code 0.
#
#   shooter_world_system.sh PATH/TO/shooter.exe
#
# Needs DISPLAY (a virtual display of at least 1400 x 1060) and, optionally, WINEPREFIX.
# SHOOTER_WORLD_SHOT and SHOOTER_WORLD_RESTART_SHOT, when set, name PNG files to keep the
# first frame and the frame after the restart in; SHOOTER_WORLD_FAIL_DIR, a folder to keep the
# last screenshots in when the test fails.
set -u
exe=$1
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
work=$(mktemp -d)
pid=""

fail() {
    echo "FAIL: $*" >&2
    if [ -n "${SHOOTER_WORLD_FAIL_DIR:-}" ]; then
        for image in "$work"/*.ppm; do
            [ -e "$image" ] && convert "$image" "$SHOOTER_WORLD_FAIL_DIR/$(basename "$image" .ppm).png"
        done
    fi
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    exit 1
}
cleanup() {
    [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null && kill "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# The client size typed into the dialog, and where the world build puts things for it.
width=1400
height=1060
arena_x=$(((width - 1100) / 2)) # 150
arena_y=$(((height - 1000) / 2)) # 30
panel_x=$((width - 100))          # 1300

# wait_for NAME SECONDS: the id of the program's visible window whose title matches NAME.
wait_for() {
    local deadline=$((SECONDS + $2)) id
    while [ $SECONDS -lt "$deadline" ]; do
        id=$(xdotool search --onlyvisible --pid "$pid" --name "$1" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.2
    done
    return 1
}

# measure FILE: what the test asks of a screenshot taken as a binary PPM (import writes one),
# as shell assignments. One Python process per screenshot, since each start costs time while
# the game runs on.
#   player_x, player_y  centre of the player's orange rim, the only orange in the view, or none
#   frame_x             the arena's left edge, from the middle of the frame's 5-pixel white
#                       band at its right edge (the rightmost white in the view on a row near
#                       the arena's top; the left edge can scroll out of the view), or none
#   view_colour         "R,G,B" at (60, 500), left of the arena
#   view_dark           pixels of RGB(20,20,20) in the 60 x 60 box at (30, 300)
#   frame_colour        "R,G,B" on the arena's left edge at y = 500
#   arena_black         black pixels in the 3 x 40 box just inside the frame
#   panel_colour        "R,G,B" at (panel + 80, 600)
#   bar_green           pixels of RGB(0,255,0) in the 30 x 160 box at (panel + 15, 130)
measure() {
    python3 -c '
import sys
path, arena_x, arena_y, panel_x, height = sys.argv[1], *map(int, sys.argv[2:])
data = open(path, "rb").read()
fields, index = [], 0
while len(fields) < 4:
    while data[index:index + 1].isspace():
        index += 1
    start = index
    while not data[index:index + 1].isspace():
        index += 1
    fields.append(data[start:index])
width = int(fields[1])
pixels = data[index + 1:]

def xs_of(colour, y, x0, x1):
    """Every x in x0..x1-1 on row y whose pixel has that colour."""
    line = pixels[(y * width + x0) * 3:(y * width + x1) * 3]
    found, at = [], 0
    while True:
        at = line.find(bytes(colour), at)
        if at < 0:
            return found
        if at % 3 == 0:
            found.append(x0 + at // 3)
        at += 1

def count(colour, x0, y0, w, h):
    return sum(len(xs_of(colour, y, x0, x0 + w)) for y in range(y0, y0 + h))

def colour(x, y):
    return ",".join(map(str, pixels[(y * width + x) * 3:(y * width + x) * 3 + 3]))

rim = [(x, y) for y in range(height) for x in xs_of((255, 100, 0), y, 0, panel_x)]
if rim:
    xs, ys = [x for x, _ in rim], [y for _, y in rim]
    print("player_x=%d player_y=%d" % ((min(xs) + max(xs)) // 2, (min(ys) + max(ys)) // 2))
else:
    print("player_x=none player_y=none")
# The 5-pixel band of the right edge is centred on the last column of the arena, x + 999. An
# enemy crossing the band hides part of it on one row, so the rightmost of several rows counts.
edges = [row[-1] for row in (xs_of((255, 255, 255), arena_y + dy, 0, panel_x)
                             for dy in (10, 250, 500, 750, 990)) if row]
print("frame_x=%s" % (max(edges) - 2 - 999 if edges else "none"))
print("view_colour=%s view_dark=%d" % (colour(60, 500), count((20, 20, 20), 30, 300, 60, 60)))
print("frame_colour=%s arena_black=%d" % (colour(arena_x, 500),
                                          count((0, 0, 0), arena_x + 3, 480, 3, 40)))
print("panel_colour=%s bar_green=%d" % (colour(panel_x + 80, 600),
                                        count((0, 255, 0), panel_x + 15, 130, 30, 160)))
' "$1" "$arena_x" "$arena_y" "$panel_x" "$height"
}

# near A B TOLERANCE: whether two numbers differ by at most the tolerance.
near() { [ "$1" != none ] && [ $(($1 - $2)) -ge -"$3" ] && [ $(($1 - $2)) -le "$3" ]; }

"$root/tools/wine-exec.sh" "$exe" &
pid=$!

# The options dialog: click into each field, select its text and type, as a user would.
dialog=$(wait_for '^Option Window$' 30) || fail "no options dialog"
xdotool windowfocus --sync "$dialog"
# The height field is the upper one, the width field the lower, both right of their labels.
xdotool mousemove --window "$dialog" 140 43 click 1 sleep 0.2 key End shift+Home
xdotool type --delay 30 "$height"
xdotool mousemove --window "$dialog" 140 68 click 1 sleep 0.2 key End shift+Home
xdotool type --delay 30 "$width"
xdotool key Return

# The help box opens before the game window shows.
help=$(wait_for '^help$' 15) || fail "no help box at start-up"
xdotool windowfocus --sync "$help" key Return
game=$(wait_for '^Game$' 15) || fail "no game window after the help box"
# Keep the mouse on the panel, so that the cross-hair stays out of the view.
xdotool mousemove --window "$game" $((panel_x + 50)) $((height - 40))

shot="$work/shot.ppm"
first="$work/first.ppm"
# Wait for a frame that shows the world (the player's rim).
deadline=$((SECONDS + 15))
while :; do
    import -window "$game" -depth 8 "$first"
    first_measures=$(measure "$first")
    eval "$first_measures"
    [ "$player_x" != none ] && break
    [ $SECONDS -lt $deadline ] || fail "no frame with the player"
    sleep 0.1
done
start_x=$player_x
start_y=$player_y
start_frame=$frame_x

# Hold the right arrow for a few frames, before enemies reach the centre: the player goes 2
# screen pixels right per tick while the arena goes 3 left. A key pressed while Wine is still
# handing the focus to the window after the help box can be lost, so a press that moves
# nothing is tried again.
moved=no
for attempt in 1 2 3; do
    xdotool windowfocus --sync "$game"
    xdotool keydown Right
    # A few frames: screenshots until two new pictures have come.
    import -window "$game" -depth 8 "$shot"
    for frame in 1 2; do
        cp "$shot" "$work/previous.ppm"
        while import -window "$game" -depth 8 "$shot" && cmp -s "$shot" "$work/previous.ppm"; do
            :
        done
    done
    xdotool keyup Right
    import -window "$game" -depth 8 "$shot"
    eval "$(measure "$shot")"
    [ "$player_x" != none ] && [ $((player_x - start_x)) -ge 10 ] && moved=yes
    [ $moved = yes ] || [ "$player_x" = none ] && break
done
[ $moved = yes ] || fail "the player did not move right (at $player_x, $player_y)"
near "$player_y" "$start_y" 2 || fail "the player moved vertically ($start_y to $player_y)"
[ "$frame_x" != none ] && [ "$frame_x" -lt "$start_frame" ] ||
    fail "the arena did not scroll left (frame at $start_frame, then $frame_x)"
echo "moved right: player x $start_x -> $player_x, arena frame x $start_frame -> $frame_x"

# The first frame: window size, regions and the player at the arena's centre.
[ -n "${SHOOTER_WORLD_SHOT:-}" ] && convert "$first" "$SHOOTER_WORLD_SHOT"
read -r shot_width shot_height < <(identify -format '%w %h' "$first")
[ "$shot_width" = "$width" ] && [ "$shot_height" = "$height" ] ||
    fail "window is ${shot_width}x${shot_height}, not ${width}x${height}"
eval "$first_measures"
[ "$view_colour" = 20,20,20 ] || fail "view is $view_colour, not RGB(20,20,20), at (60,500)"
[ "$view_dark" = 3600 ] || fail "view not uniformly dark ($view_dark of 3600)"
[ "$frame_colour" = 255,255,255 ] || fail "no white frame at x=$arena_x ($frame_colour)"
[ "$arena_black" -gt 0 ] || fail "arena is not black inside its frame"
[ "$panel_colour" = 200,200,200 ] || fail "panel is $panel_colour, not RGB(200,200,200)"
[ "$bar_green" = 4800 ] || fail "health bar is not all green ($bar_green of 4800)"
near "$start_x" $((arena_x + 500)) 2 && near "$start_y" $((arena_y + 500)) 2 ||
    fail "player at ($start_x, $start_y), not at the arena's centre"
[ "$start_frame" = "$arena_x" ] || fail "arena frame at $start_frame, not at $arena_x"

# F2: the "Will Be" box, then a new game with the player and the arena back where they began.
xdotool windowfocus --sync "$game" key F2
box=$(wait_for '^Will Be$' 10) || fail "no Will Be box after F2"
xdotool windowfocus --sync "$box" key Return
deadline=$((SECONDS + 10))
while :; do
    import -window "$game" -depth 8 "$shot"
    eval "$(measure "$shot")"
    near "$player_x" "$start_x" 2 && near "$player_y" "$start_y" 2 &&
        [ "$frame_x" = "$start_frame" ] && break
    [ $SECONDS -lt $deadline ] ||
        fail "after the restart: player at ($player_x, $player_y), frame at $frame_x"
done
[ -n "${SHOOTER_WORLD_RESTART_SHOT:-}" ] && convert "$shot" "$SHOOTER_WORLD_RESTART_SHOT"

# ESC, again if the window is still there after a while: like the arrow above, a key pressed
# while the focus comes back from the "Will Be" box can be lost.
for attempt in 1 2 3; do
    timeout 10 xdotool windowfocus --sync "$game" key Escape 2>/dev/null
    deadline=$((SECONDS + 10))
    while kill -0 "$pid" 2>/dev/null && [ $SECONDS -lt $deadline ]; do
        sleep 0.2
    done
    kill -0 "$pid" 2>/dev/null || break
    echo "ESC attempt $attempt: the program still runs" >&2
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end after ESC"
wait "$pid"
code=$?
pid=""
[ "$code" = 0 ] || fail "exit code $code after ESC"
echo "PASS: shooter world: layout, movement, restart and ESC"
