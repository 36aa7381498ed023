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
# Needs a display of at least 1400 x 1060. Keeps a screenshot of the enemies and of each
# weapon's shots in SYSTEM_SHOTS, when set.
set -euo pipefail
source "$(dirname "$0")/../system/lib.sh"
start_driving
exe=$1

height=1060
start_shooter "$exe" 1400 $height click
game=$GAME arena_x=$ARENA_X arena_y=$ARENA_Y view_width=$PANEL_X # 150, 30, 1300
# Where the mouse aims: up and to the left of the player at the arena's centre.
aim_x=$((arena_x + 250))
aim_y=$((arena_y + 300))
image="$WORK_DIR/shot.ppm"

# The colours of each kind of thing; no spark of any palette has one of them.
#   cyan     enemies
#   green    green bolts' heads and middles
#   blue     blue bolts' heads
#   bomb     the bomb's head, middle and tail, and the heads of the blue bolts of its ring: the
#            bomb itself flies for ten ticks only, a third of a second, which a screenshot every
#            half second can miss; the ring's bolts fly every way, the stream's only along the aim
#   flame    flame dots, RGB(255, 255 - e, e / 2) for e = 0 .. 149
declare -A colours=(
    [cyan]=100,255,255
    [green]='(r, g, b) in ((100, 255, 100), (100, 200, 100))'
    [blue]=150,150,255
    [bomb]='(r, g, b) in ((100, 100, 255), (50, 50, 160), (10, 10, 100), (150, 150, 255))'
    [flame]='r == 255 and g > 105 and b == (255 - g) // 2'
)

# corner_shows X Y SIZE: takes a screenshot; whether an enemy shows in the square at (X, Y).
corner_shows() {
    shot "$image" "$game"
    [ "$(pixels "$image" count "$1" "$2" "$3" "$3" "${colours[cyan]}")" -gt 0 ]
}

# in_view KIND: pixels of that kind in the last screenshot's view, less those in the
# cross-hair's square around the aim point (it is yellow, like the youngest flames).
in_view() {
    local all cursor
    { read -r all; read -r cursor; } < <(pixels "$image" count 0 0 "$view_width" "$height" \
        "${colours[$1]}" count $((aim_x - 17)) $((aim_y - 17)) 35 35 "${colours[$1]}")
    echo $((all - cursor))
}

# view_shows KIND: takes a screenshot; whether pixels of that kind show in the view. Sets found.
view_shows() {
    shot "$image" "$game"
    found=$(in_view "$1")
    [ "$found" -gt 0 ]
}

# behind_shows KIND: takes a screenshot; whether pixels of that kind show below and right of the
# player, away from the aim, where only shots that fly every way reach. Sets found.
behind_shows() {
    shot "$image" "$game"
    found=$(pixels "$image" count $((arena_x + 550)) $((arena_y + 550)) $((view_width - arena_x - 550)) \
        $((height - arena_y - 550)) "${colours[$1]}")
    [ "$found" -gt 0 ]
}

xdotool mousemove --window "$game" "$aim_x" "$aim_y"

# Enemies come out at the four corners, one per tick: wait for cyan near each of them.
corner_box=120
for corner in "0 0" "0 1" "1 1" "1 0"; do
    read -r cx cy <<<"$corner"
    x=$((arena_x + cx * (ARENA_SIZE - corner_box)))
    y=$((arena_y + cy * (ARENA_SIZE - corner_box)))
    wait_until 20 corner_shows "$x" "$y" "$corner_box" || fail "no enemy near the corner at ($x, $y)"
done
keep_shot "$image" enemies
echo "enemies appeared at all four corners"

# restart: F2 and OK on "Will Be": a fresh player with weapon 0 and no enemy near it.
restart() {
    press "$game" F2 || fail "the game did not take the keyboard for F2"
    dismiss_box 'Will Be' || fail "no Will Be box after F2"
    focus "$game" || fail "the game did not take the keyboard back after the box"
    xdotool mousemove --window "$game" "$aim_x" "$aim_y"
}

# pointer_at X Y: takes a screenshot; whether the cross-hair's yellow uprights, 3 pixels left
# and 2 right of its hot spot, show at (X, Y).
pointer_at() {
    shot "$image" "$game"
    [ "$(pixels "$image" color $(($1 - 3)) $(($2 - 10)) color $(($1 + 2)) $(($2 + 10)) | sort -u)" = "255 255 0" ]
}

# later_picture: takes a screenshot; whether it differs from the last one checked (the status
# line changes with every frame, so it does when a later frame has been drawn).
later_picture() {
    shot "$WORK_DIR/later.ppm" "$game"
    ! cmp -s "$WORK_DIR/later.ppm" "$image"
}

# select_weapon N: N right-button presses. The player reads the button once a tick, so each
# press lasts until a tick has seen it: with the button down the mouse moves aside (40 or 80
# pixels below the aim, in turn), and the cross-hair drawn there shows that the window has taken
# the button's message, which came first; a later picture is drawn after a tick that saw the
# button held. A release followed by the next press before any tick still counts, so releases
# need no wait. The mouse goes back to the aim at the end.
select_weapon() {
    local press aside_y
    for ((press = 0; press < $1; press++)); do
        aside_y=$((aim_y + 40 + 40 * (press % 2)))
        xdotool mousedown 3
        xdotool mousemove --window "$game" "$aim_x" "$aside_y"
        wait_until 10 pointer_at "$aim_x" "$aside_y" || fail "press $press: no cross-hair at ($aim_x, $aside_y)"
        wait_until 10 later_picture || fail "press $press: no frame after the cross-hair moved"
        xdotool mouseup 3
    done
    xdotool mousemove --window "$game" "$aim_x" "$aim_y"
}

# player_alive: whether the last screenshot shows health left, a green health bar in the panel.
player_alive() { [ "$(pixels "$image" count $((view_width + 15)) 130 30 160 0,255,0)" -gt 0 ]; }

# try WEAPON CHECK KIND NAME NOT...: selects the weapon in a fresh game, holds the left button
# and waits until CHECK (view_shows or behind_shows) finds that weapon's colours; the shots of
# the weapons NOT... must not show then, so a lost or extra press fails. The enemies fly at
# random and, on a slow machine, can kill the player before the shots show: a game that ends so
# tells nothing of the weapon, and the check starts over in a fresh one, five games at most.
# A living player without the weapon's shots fails at once.
try() {
    local weapon=$1 check=$2 kind=$3 name=$4 other games
    for games in 1 2 3 4 5; do
        restart
        select_weapon "$weapon"
        xdotool mousedown 1
        if wait_until 8 "$check" "$kind"; then
            xdotool mouseup 1
            keep_shot "$image" "weapon$weapon"
            for other in "${@:5}"; do
                [ "$(in_view "$other")" = 0 ] || fail "weapon $weapon ($name): $other pixels show too"
            done
            echo "weapon $weapon ($name): $found $kind pixels"
            return 0
        fi
        xdotool mouseup 1
        if player_alive; then fail "weapon $weapon ($name): no $kind pixels while the button was held"; fi
        echo "weapon $weapon ($name): the enemies killed the player before its shots showed; a fresh game"
    done
    fail "weapon $weapon ($name): the enemies killed the player in five games before its shots showed"
}

try 0 view_shows green scatter blue flame
try 1 view_shows blue stream green flame
try 2 behind_shows bomb bomb green flame
try 3 view_shows flame flames green blue
try 4 view_shows green volley blue flame

close_with "$game" Escape
echo "PASS: shooter combat: enemies, five weapons, restart and ESC"
