#!/usr/bin/env bash
# The shooter's combat as a user sees it under Wine: after the options dialog (filled in by
# clicking into each field, selecting its text and typing) and the help box, cyan enemies
# appear at the arena's corners; holding the left button fires the selected weapon, and each
# right-button press selects the next one: green scatter bolts, blue stream bolts, the bomb
# with its blue ring, yellow-to-orange flames and the green volley. Every weapon is tried in a
# fresh game (F2), so that no enemy has reached the player yet. ESC ends the program with
# exit code 0.
#
#   shooter_combat_system.sh PATH/TO/shooter.exe
#
# Needs DISPLAY (a virtual display of at least 1400 x 1060) and, optionally, WINEPREFIX.
# SHOOTER_COMBAT_SHOT_DIR, when set, names a folder to keep a screenshot of each weapon's
# shots in (and of the last screens when the test fails).
set -u
exe=$1
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
work=$(mktemp -d)
pid=""
shots=${SHOOTER_COMBAT_SHOT_DIR:-}

keep() { [ -n "$shots" ] && convert "$1" "$shots/$2.png"; }
fail() {
    echo "FAIL: $*" >&2
    [ -e "$work/shot.ppm" ] && keep "$work/shot.ppm" failure
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    exit 1
}
cleanup() {
    xdotool mouseup 1 2>/dev/null
    [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null && kill "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# The client size typed into the dialog, and where the world build puts the arena for it.
width=1400
height=1060
arena_x=$(((width - 1100) / 2)) # 150
arena_y=$(((height - 1000) / 2)) # 30
view_width=$((width - 100))
# Where the mouse aims: up and to the left of the player at the arena's centre.
aim_x=$((arena_x + 250))
aim_y=$((arena_y + 300))

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

# count FILE KIND X Y W H: pixels of a kind of colour inside the box of a binary PPM, leaving
# out the cross-hair's square around the aim point (it is yellow, like the youngest flames).
#   cyan     enemies, RGB(100, 255, 255)
#   green    green bolts' heads and middles, RGB(100, 255, 100) and RGB(100, 200, 100)
#   blue     blue bolts' heads, RGB(150, 150, 255)
#   bomb     the bomb's head, middle and tail, RGB(100, 100, 255), (50, 50, 160), (10, 10, 100),
#            and the heads of the blue bolts of its ring: the bomb itself flies for ten ticks
#            only, a third of a second, which a screenshot every half second can miss
#   flame    flame dots, RGB(255, 255 - e, e / 2) for e = 0 .. 149
# No spark of any palette has one of these colours.
count() {
    python3 - "$@" "$aim_x" "$aim_y" <<'PY'
import sys
path, kind, *box = sys.argv[1:]
data = open(path, "rb").read()
fields, index = [], 0
while len(fields) < 4:
    while data[index:index + 1].isspace():
        index += 1
    start = index
    while not data[index:index + 1].isspace():
        index += 1
    fields.append(data[start:index])
width, height = int(fields[1]), int(fields[2])
pixels = data[index + 1:]
x0, y0, w, h, aim_x, aim_y = map(int, box)
colours = {
    "cyan": [(100, 255, 255)],
    "green": [(100, 255, 100), (100, 200, 100)],
    "blue": [(150, 150, 255)],
    "bomb": [(100, 100, 255), (50, 50, 160), (10, 10, 100), (150, 150, 255)],
    "flame": [(255, 255 - e, e // 2) for e in range(150)],
}[kind]
found = 0
for colour in colours:
    needle = bytes(colour)
    at = pixels.find(needle)
    while at >= 0:
        if at % 3 == 0:
            x, y = (at // 3) % width, (at // 3) // width
            on_cursor = abs(x - aim_x) <= 17 and abs(y - aim_y) <= 17
            if x0 <= x < x0 + w and y0 <= y < y0 + h and not on_cursor:
                found += 1
        at = pixels.find(needle, at + 1)
print(found)
PY
}

grab() { import -window "$game" -depth 8 "$work/shot.ppm"; }

# poll KIND SECONDS X Y W H: waits for a frame with pixels of that kind in the box.
poll() {
    local kind=$1 deadline=$((SECONDS + $2)) found
    shift 2
    while :; do
        grab
        found=$(count "$work/shot.ppm" "$kind" "$@")
        [ "$found" -gt 0 ] && { echo "$found"; return 0; }
        kill -0 "$pid" 2>/dev/null || return 1
        [ $SECONDS -lt "$deadline" ] || { echo 0; return 1; }
        sleep 0.1
    done
}

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

help=$(wait_for '^help$' 15) || fail "no help box at start-up"
xdotool windowfocus --sync "$help" key Return
game=$(wait_for '^Game$' 15) || fail "no game window after the help box"

xdotool mousemove --window "$game" "$aim_x" "$aim_y"

# Enemies come out at the four corners, one per tick: wait for cyan near each of them.
corner_box=120
for corner in "0 0" "0 1" "1 1" "1 0"; do
    read -r cx cy <<<"$corner"
    x=$((arena_x + cx * (1000 - corner_box)))
    y=$((arena_y + cy * (1000 - corner_box)))
    poll cyan 20 "$x" "$y" "$corner_box" "$corner_box" >/dev/null ||
        fail "no enemy near the corner at ($x, $y)"
done
keep "$work/shot.ppm" enemies
echo "enemies appeared at all four corners"

# restart: F2 and OK on "Will Be": a fresh player with weapon 0 and no enemy near it.
restart() {
    xdotool windowfocus --sync "$game" key F2
    local box
    box=$(wait_for '^Will Be$' 10) || fail "no Will Be box after F2"
    xdotool windowfocus --sync "$box" key Return
    sleep 0.3
    xdotool windowfocus --sync "$game"
    xdotool mousemove --window "$game" "$aim_x" "$aim_y"
}

# try WEAPON KIND NAME: selects the weapon with right-button presses, holds the left button
# and waits for that weapon's colours in the view.
try() {
    local weapon=$1 kind=$2 name=$3 press found
    restart
    for ((press = 0; press < weapon; press++)); do
        # A press shorter than a tick would be missed by the player, as by a real game.
        xdotool mousedown 3 sleep 0.12 mouseup 3 sleep 0.05
    done
    xdotool mousedown 1
    found=$(poll "$kind" 8 0 0 "$view_width" "$height") || {
        xdotool mouseup 1
        fail "weapon $weapon ($name): no $kind pixels while the button was held"
    }
    xdotool mouseup 1
    keep "$work/shot.ppm" "weapon$weapon"
    echo "weapon $weapon ($name): $found $kind pixels"
}

try 0 green scatter
try 1 blue stream
try 2 bomb bomb
try 3 flame flames
try 4 green volley

# The scatter must not show blue, nor the stream green: the weapons really changed. Check it on
# the stream, whose shots come every tick.
restart
xdotool mousedown 3 sleep 0.12 mouseup 3 sleep 0.05 mousedown 1
poll blue 5 0 0 "$view_width" "$height" >/dev/null || fail "no stream after one press"
xdotool mouseup 1
[ "$(count "$work/shot.ppm" green 0 0 "$view_width" "$height")" = 0 ] ||
    fail "green bolts after switching to the stream"

# ESC, again if the window is still there after a while: a key pressed while Wine hands the
# focus back to the window can be lost.
for attempt in 1 2 3; do
    timeout 10 xdotool windowfocus --sync "$game" key Escape 2>/dev/null
    deadline=$((SECONDS + 10))
    while kill -0 "$pid" 2>/dev/null && [ $SECONDS -lt $deadline ]; do
        sleep 0.2
    done
    kill -0 "$pid" 2>/dev/null || break
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end after ESC"
wait "$pid"
code=$?
pid=""
[ "$code" = 0 ] || fail "exit code $code after ESC"
echo "PASS: shooter combat: enemies, five weapons, restart and ESC"
