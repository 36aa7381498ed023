#!/usr/bin/env bash
# Soak test: runs one of the programs under Wine and plays with it like a restless user for a
# while: random keys (arrows, letters, PAUSE, F1, F2, F3, never ESC), clicks, held buttons,
# wheel turns and mouse movements inside its window, answering the message boxes the keys open.
# At the end the program must still run and answer (its window is there and its picture still
# changes), and ESC must end it with exit code 0.
#     tools/soak.sh PROGRAM.exe SECONDS [SEED]
# The actions come from bash's RANDOM seeded with SEED (printed; by default the clock), so a
# failing run can be replayed with the same seed. Run by hand, it starts a virtual display and
# the shared Wine prefix when none is set up (the test suite sets up both). Either build's program
# runs, under the Wine of its kind.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/drive/drive.sh"

exe=${1:?usage: soak.sh PROGRAM.exe SECONDS [SEED]}
duration=${2:?usage: soak.sh PROGRAM.exe SECONDS [SEED]}
seed=${3:-$(date +%s)}
RANDOM=$seed
name=$(basename "$exe")
echo "soak: $name for $duration s, seed $seed (replay: tools/soak.sh $exe $duration $seed)"
start_driving

keys=(Left Right Up Down Left Right Up Down a s d w q e z x space shift Pause F1 F2 F3)
boxes='^(help|123|Will Be)$'

# answer_boxes: presses Return on every open box that F1 or F2 opened; gives up on an error box.
# Whether there was a box to answer.
answer_boxes() {
    local box answered=1
    if find_window '^Error$' >/dev/null; then give_up "$name showed an error message box during the soak"; fi
    for box in $(program_windows "$boxes"); do
        press "$box" Return 2>/dev/null || true
        answered=0
    done
    return $answered
}

# answer_box_of KEY: F1 and F2 open a box (in the programs that have one): answer it as soon as
# it shows, so that the game is not left waiting behind it.
answer_box_of() {
    case $1 in
    F1 | F2)
        local tries
        for tries in 1 2 3 4 5 6 7 8 9 10; do
            answer_boxes && return 0
            sleep 0.1
        done ;;
    esac
    return 0
}

if is_shooter "$exe"; then
    start_shooter "$exe" 800 600
else
    start_program "$exe"
fi
window=$(wait_for_window '^Game$') || give_up "no window named Game"
read -r width height < <(xdotool getwindowgeometry "$window" |
    sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p')
echo "soak: window $window, $width x $height"

held_keys=()
held_buttons=()
actions=0
deadline=$((SECONDS + duration))
while [ $SECONDS -lt $deadline ]; do
    if [ $((actions % 8)) = 0 ]; then
        program_running || give_up "$name ended during the soak (after $actions actions, seed $seed)"
        answer_boxes || true
    fi
    x=$((RANDOM % width))
    y=$((RANDOM % height))
    case $((RANDOM % 10)) in
    0 | 1 | 2) # a key press
        key=${keys[RANDOM % ${#keys[@]}]}
        # A restless user does not wait for the window to take the keyboard.
        xdotool windowfocus --sync "$window" key "$key" 2>/dev/null || true
        answer_box_of "$key" ;;
    3) # a key held down for a while, or released
        if [ ${#held_keys[@]} -gt 0 ] && [ $((RANDOM % 2)) = 0 ]; then
            xdotool keyup "${held_keys[0]}"
            held_keys=("${held_keys[@]:1}")
        else
            key=${keys[RANDOM % 8]}
            xdotool windowfocus --sync "$window" keydown "$key" 2>/dev/null || true
            held_keys+=("$key")
        fi ;;
    4 | 5) # a click, left or right
        xdotool mousemove --window "$window" "$x" "$y" click $((RANDOM % 2 ? 1 : 3)) ;;
    6) # a button held down while the mouse moves, or released
        if [ ${#held_buttons[@]} -gt 0 ]; then
            xdotool mouseup "${held_buttons[0]}"
            held_buttons=()
        else
            button=$((RANDOM % 2 ? 1 : 3))
            xdotool mousemove --window "$window" "$x" "$y" mousedown "$button"
            held_buttons=("$button")
        fi ;;
    7) # a wheel turn
        xdotool mousemove --window "$window" "$x" "$y" click $((RANDOM % 2 ? 4 : 5)) ;;
    *) # the mouse moves
        xdotool mousemove --window "$window" "$x" "$y" ;;
    esac
    actions=$((actions + 1))
    sleep "0.0$((RANDOM % 8))"
done

# Let go of everything, answer what is still open, and make sure the game is not paused.
for key in "${held_keys[@]}"; do xdotool keyup "$key"; done
for button in "${held_buttons[@]}"; do xdotool mouseup "$button"; done
sleep 0.3
answer_boxes || true
program_running || give_up "$name ended during the soak (after $actions actions, seed $seed)"
find_window '^Game$' >/dev/null || give_up "the window Game is gone (seed $seed)"

# The window still answers: its picture changes (the frame counter on the status line runs).
# A box that opened late is answered; a PAUSE left on, which the word "pause" on the frozen frame
# shows, is lifted with one PAUSE, which must take the word away.
image="$WORK_DIR/soak.ppm" previous="$WORK_DIR/soak-previous.ppm"
shot "$previous" "$window"
paused() { shot "$image" "$window" && is_shooter "$exe" && text_shows "$image" 200 200 pause; }
answers() {
    answer_boxes || true
    if paused; then
        press "$window" Pause || give_up "$name did not take the keyboard for PAUSE (seed $seed)"
        wait_until 5 eval '! paused' || give_up "PAUSE did not lift the pause (seed $seed)"
    fi
    ! cmp -s "$image" "$previous"
}
wait_until 15 answers || give_up "$name no longer changes its picture (seed $seed)"

close_with "$window" Escape
echo "PASS: $name survived $actions random actions in $duration s (seed $seed) and ended with exit code 0"
