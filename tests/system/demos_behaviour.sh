#!/usr/bin/env bash
# Behaviour of the three demonstration programs under Wine, driven like a user with xdotool:
# each program's objects show in its window, a click sets off a firework burst where the
# program has them, F1 opens the help box and ESC ends the program with exit code 0.
# Usage: demos_behaviour.sh BALL_TOSS.exe BALL_REPEL.exe ROPE_CHASE.exe
set -u

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../tools/common.sh"
wine_exec="$REPO_ROOT/tools/wine-exec.sh"

if [ $# -ne 3 ]; then
    echo "usage: $0 BALL_TOSS.exe BALL_REPEL.exe ROPE_CHASE.exe" >&2
    exit 2
fi
ball_toss=$1
ball_repel=$2
rope_chase=$3

# The build's own prefix, next to its bin folder.
export WINEPREFIX="${WINEPREFIX:-$(cd "$(dirname "$ball_toss")/.." && pwd)/wineprefix}"
export WINEDEBUG=-all
ensure_locale
ensure_display || exit 1
# No window manager: without Managed=N every hide or destroy of a window costs Wine 2 s.
"$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1

work=$(mktemp -d)
program_pid=""
failures=0

cleanup() {
    # Only the program this script started, if it is still running.
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null
    fi
    rm -rf "$work"
    stop_display
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Prints the visible window of the started program whose title matches $1. Other programs may
# share the display, so a window counts only if it belongs to the started process (Wine's
# process, or a child of the shell that started it).
find_program_window() {
    local title=$1 deadline=$((SECONDS + 20)) window owner parent
    while [ $SECONDS -lt $deadline ]; do
        for window in $(xdotool search --onlyvisible --name "$title" 2>/dev/null); do
            owner=$(xdotool getwindowpid "$window" 2>/dev/null) || continue
            parent=$(ps -o ppid= -p "$owner" 2>/dev/null | tr -d ' ')
            if [ "$owner" = "$program_pid" ] || [ "$parent" = "$program_pid" ]; then
                echo "$window"
                return 0
            fi
        done
        sleep 0.2
    done
    return 1
}

# Screenshot of the window's client area below the status line and the overlay, so that only
# the scene's objects and the pointer are in it. Wine draws the frame inside the X window.
shoot_scene() {
    local window=$1 out=$2 X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root "$work/root.png"
    convert "$work/root.png" -crop "$((WIDTH - 8))x$((HEIGHT - 23 - 50 - 4))+$((X + 4))+$((Y + 23 + 50))" \
        +repage "$out"
}

# Number of pixels of a screenshot for which the awk condition on r, g, b holds.
count_pixels() {
    local image=$1 condition=$2
    convert "$image" -format %c histogram:info:- |
        sed -E 's/^ *([0-9]+): *\( *([0-9]+), *([0-9]+), *([0-9]+).*/\1 \2 \3 \4/' |
        awk "{ r = \$2; g = \$3; b = \$4; if ($condition) n += \$1 } END { print n + 0 }"
}

# Spark colours: no blue, red and green unequal (no grey), not the pointer's pure red.
spark_condition='b == 0 && r != g && !(r == 255 && g == 0)'

start_program() {
    local exe=$1
    "$wine_exec" "$exe" &
    program_pid=$!
    window=$(find_program_window '^Game$') || {
        fail "$(basename "$exe"): no window \"Game\""
        kill "$program_pid" 2>/dev/null
        wait "$program_pid" 2>/dev/null
        program_pid=""
        return 1
    }
    # Enter the window, then move a little so that the program sees the mouse move.
    xdotool mousemove --window "$window" 400 300
    sleep 0.2
    xdotool mousemove --window "$window" 420 320
    sleep 0.5
}

check_help_box() {
    local name=$1 box
    xdotool windowfocus --sync "$window" key F1
    if box=$(find_program_window '^help$'); then
        xdotool windowfocus --sync "$box" key Return
        sleep 0.3
    else
        fail "$name: F1 shows no help box"
    fi
}

close_with_escape() {
    local name=$1 status
    xdotool windowfocus --sync "$window" key Escape
    local deadline=$((SECONDS + 15))
    while kill -0 "$program_pid" 2>/dev/null && [ $SECONDS -lt $deadline ]; do
        sleep 0.1
    done
    if kill -0 "$program_pid" 2>/dev/null; then
        fail "$name: still running after ESC"
        kill "$program_pid" 2>/dev/null
        wait "$program_pid" 2>/dev/null
    else
        wait "$program_pid"
        status=$?
        [ "$status" -eq 0 ] || fail "$name: exit code $status after ESC"
    fi
    program_pid=""
}

# ball_toss: five balls drawn as grey trails ending in a dark disc; a right-click bursts.
if start_program "$ball_toss"; then
    shoot_scene "$window" "$work/toss.png"
    dark=$(count_pixels "$work/toss.png" 'r == 15 && g == 15 && b == 15')
    [ "$dark" -gt 2000 ] || fail "ball_toss: the balls' dark discs are missing ($dark pixels)"
    before=$(count_pixels "$work/toss.png" "$spark_condition")
    xdotool mousemove --window "$window" 600 400 click 3
    sleep 0.3
    shoot_scene "$window" "$work/toss_burst.png"
    after=$(count_pixels "$work/toss_burst.png" "$spark_condition")
    [ "$after" -gt $((before + 100)) ] ||
        fail "ball_toss: a right-click makes no burst ($before -> $after spark pixels)"
    check_help_box ball_toss
    close_with_escape ball_toss
fi

# ball_repel: 24 white balls with black outlines; clicks add nothing.
if start_program "$ball_repel"; then
    shoot_scene "$window" "$work/repel.png"
    outline=$(count_pixels "$work/repel.png" 'r == 0 && g == 0 && b == 0')
    [ "$outline" -gt 300 ] || fail "ball_repel: the balls' outlines are missing ($outline pixels)"
    xdotool mousemove --window "$window" 600 400 click 1 click 3
    sleep 0.3
    shoot_scene "$window" "$work/repel_click.png"
    sparks=$(count_pixels "$work/repel_click.png" "$spark_condition")
    [ "$sparks" -lt 20 ] || fail "ball_repel: clicks made coloured pixels ($sparks)"
    check_help_box ball_repel
    close_with_escape ball_repel
fi

# rope_chase: two blue ropes after the mouse has moved; a left-click bursts.
if start_program "$rope_chase"; then
    shoot_scene "$window" "$work/ropes.png"
    blue=$(count_pixels "$work/ropes.png" 'r == 0 && g == 55 && b == 155')
    [ "$blue" -gt 300 ] || fail "rope_chase: the blue ropes are missing ($blue pixels)"
    before=$(count_pixels "$work/ropes.png" "$spark_condition")
    xdotool mousemove --window "$window" 500 350
    sleep 0.1
    xdotool click 1
    sleep 0.3
    shoot_scene "$window" "$work/ropes_burst.png"
    after=$(count_pixels "$work/ropes_burst.png" "$spark_condition")
    [ "$after" -gt $((before + 100)) ] ||
        fail "rope_chase: a left-click makes no burst ($before -> $after spark pixels)"
    check_help_box rope_chase
    close_with_escape rope_chase
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "demonstration programs behave as expected"
