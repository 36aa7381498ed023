# Drives the programs' windows under Wine like a user, for every script that runs a program and
# looks at it (the system tests, the soak, the release check, the run script): starts and stops
# a program, finds its windows, presses keys once a window has the keyboard, fills in the
# shooter's options dialog and answers its boxes, takes screenshots and asks about their pixels
# (pixels.py), asks Windows where a window's parts lie (window_probe, built beside the programs)
# and waits for each step with a deadline.
#
# Source it, then call start_driving: sourcing defines functions only, and changes no locale,
# display, Wine prefix, trap or exported variable. The functions are written for scripts that
# run under set -euo pipefail. When a step cannot go on, give_up prints "FAIL: " and why, the
# program's standard error, runs the caller's on_give_up if it defines one, ends the program and
# exits with status 1.

source "$(dirname "${BASH_SOURCE[0]}")/../common.sh"
DRIVE_DIR="$REPO_ROOT/tools/drive"

# start_driving: readies what driving a program needs, once per script: the locale the programs
# run under, a display (the caller's, or a virtual one of its own), the shared Wine prefix when
# the caller has set up none (stopped again at the end), a folder for screenshots, and traps that
# end the started program and clean up when the script exits, also when a test driver gives up
# on it (TERM).
start_driving() {
    WORK_DIR=$(mktemp -d)
    PROGRAM_PID="" # the Wine process of the started program, and its process group
    EXIT_CODE=""   # the started program's exit code, once wait_for_exit has seen it end
    # What the waits for the started program's windows, checks and end are multiplied by: under
    # QEMU's emulator a 32-bit program takes about a minute to show its first window, and each
    # new step (a box, the next window, the end) seconds.
    WAIT_FACTOR=1
    LAST_SHOT=""
    OWN_PREFIX=no
    declare -gA CONTROLS=()
    TEXTS=()
    # The options dialog's controls: its buttons and the edits of the height and of the width.
    OK_BUTTON=1 CANCEL_BUTTON=2 HEIGHT_FIELD=1001 WIDTH_FIELD=1002
    trap stop_driving EXIT
    trap 'exit 1' TERM INT
    # A command that fails where no check expects it ends the script (set -e): say which, once,
    # from the shell that drives the program rather than from a process substitution's.
    DRIVING_SHELL=$BASH_SUBSHELL
    set -E
    trap 'report_failed_command $? "$BASH_COMMAND" "${BASH_SOURCE[0]}" "$LINENO"' ERR
    ensure_locale
    ensure_display
    if [ -z "${WINEPREFIX:-}" ]; then
        OWN_PREFIX=yes
        prepare_wine_prefix "$SHARED_PREFIX"
    fi
}

# stop_driving: lets go of the mouse buttons, ends the program, and stops what start_driving
# started.
stop_driving() {
    xdotool mouseup 1 mouseup 3 2>/dev/null || true
    stop_program
    rm -rf "$WORK_DIR"
    if [ "$OWN_PREFIX" = yes ]; then stop_wine; fi
    stop_display
}

# report_failed_command STATUS COMMAND FILE LINE: see start_driving.
report_failed_command() {
    if [ "$BASH_SUBSHELL" = "$DRIVING_SHELL" ]; then
        echo "FAIL: $(basename "$3") line $4: $2 ended with status $1" >&2
    fi
}

# give_up MESSAGE: see the top of this file.
give_up() {
    echo "FAIL: $*" >&2
    if [ -s "$WORK_DIR/stderr.txt" ]; then cat "$WORK_DIR/stderr.txt" >&2; fi
    if declare -F on_give_up >/dev/null; then on_give_up || true; fi
    stop_program
    exit 1
}

# stop_program: ends the started program, if it still runs.
stop_program() {
    [ -n "$PROGRAM_PID" ] || return 0
    kill -- "-$PROGRAM_PID" 2>/dev/null || true
    wait "$PROGRAM_PID" 2>/dev/null || true
    PROGRAM_PID=""
}

# start_program EXE: runs it under Wine in the background, in a process group of its own. Wine
# can run the Windows program as a second process that its launcher starts and waits for (a
# program started with the loader of the other kind, 32- or 64-bit, runs so); the group holds
# both, and the launcher ends with the program's exit code. Its standard error goes to a file
# (printed by give_up): Wine's desktop process, which a program may start, inherits it and
# outlives the program (see tools/wine-exec.sh). The window probe is the one beside the
# program, or WINDOW_PROBE for programs that have none beside them (an unpacked archive's).
start_program() {
    PROBE=${WINDOW_PROBE:-$(dirname "$1")/window_probe.exe}
    WAIT_FACTOR=1
    if runs_emulated "$1"; then WAIT_FACTOR=10; fi
    setsid "$REPO_ROOT/tools/wine-exec.sh" "$1" 2>>"$WORK_DIR/stderr.txt" &
    PROGRAM_PID=$!
    EXIT_CODE=""
}

# probe ARGUMENTS...: asks Windows about windows and texts (window_probe.cpp).
probe() { "$REPO_ROOT/tools/wine-exec.sh" "$PROBE" "$@" 2>>"$WORK_DIR/stderr.txt" | tr -d '\r'; }

# window_layout WINDOW: where the window's client area and its controls lie, relative to the
# window's top-left corner (where the coordinates of xdotool and of a window's screenshot
# start), as Windows itself reports them. Sets CLIENT and CONTROLS[ID] to "X Y WIDTH HEIGHT",
# and TEXTS to the controls' texts as characters (line breaks written \n and \r).
# X may report a new window's place before Windows has put the window there: the question is
# asked again, with the place X reports then, until Windows knows a window there.
window_layout() {
    local x="" y="" width="" height=""
    layout_known() {
        local kind rest
        read -r x y width height < <(xdotool getwindowgeometry "$1" |
            sed -n 's/.*Position: \(-\?[0-9]*\),\(-\?[0-9]*\).*/\1 \2/p; s/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p' |
            paste -sd' ')
        CLIENT="" CONTROLS=() TEXTS=()
        while read -r kind rest; do
            case "$kind" in
            client) CLIENT=$rest ;;
            control) CONTROLS[${rest%% *}]=${rest#* } ;;
            text) TEXTS+=("$(sed 's/^[^ ]* \?//' <<<"$rest")") ;;
            esac
        done < <(probe window "$x" "$y" "$width" "$height")
        [ -n "$CLIENT" ]
    }
    wait_until 10 layout_known "$1" || give_up "Windows knows no window at ($x, $y) ${width}x$height"
}

# window_reads TEXT: whether one of the controls window_layout last read shows TEXT.
window_reads() {
    local text
    for text in "${TEXTS[@]}"; do
        if [ "$text" = "$1" ]; then return 0; fi
    done
    return 1
}

# text_shows FILE X Y TEXT: whether the screenshot shows TEXT written at (X, Y) in the default
# font and colours (black on an opaque white ground), pixel for pixel as Windows writes it.
text_shows() {
    local picture="$WORK_DIR/text-${#4}-$(printf '%s' "$4" | md5sum | cut -c1-12).ppm"
    [ -s "$picture" ] || probe text "$4" >"$picture"
    [ "$(pixels "$1" same "$2" "$3" "$picture")" = yes ]
}

program_running() { [ -n "$PROGRAM_PID" ] && kill -0 "$PROGRAM_PID" 2>/dev/null; }

# program_windows TITLE: prints the ids of the started program's visible windows whose title
# matches now. Only the program's own windows count (those of its process group), never those of
# another program on the display.
program_windows() {
    local pid
    [ -n "$PROGRAM_PID" ] || return 0
    for pid in $(pgrep -g "$PROGRAM_PID" || true); do
        xdotool search --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null || true
    done
}

# find_window TITLE: prints the id of the first of those windows; fails when there is none.
find_window() {
    local id
    id=$(program_windows "$1" | head -n 1)
    [ -n "$id" ] && echo "$id"
}

# wait_for_window TITLE [SECONDS]: the same, waiting for the window to show.
wait_for_window() {
    local deadline=$((SECONDS + ${2:-30} * WAIT_FACTOR))
    while [ $SECONDS -lt $deadline ] && program_running; do
        find_window "$1" && return 0
        sleep 0.2
    done
    return 1
}

# focus WINDOW: gives the window the keyboard focus and waits until Windows sends the keyboard
# to it: X gives the focus at once, but Wine hands it to the window a little later (after a box
# closes, say), and a key pressed in between reaches another window or none. A window that
# cannot take it (it is gone, or a modal box holds it) fails instead of hanging the script.
focus() {
    local title
    title=$(xdotool getwindowname "$1") && timeout 10 xdotool windowfocus --sync "$1" || return 1
    foreground_is() { [ "$(probe foreground | head -n 1)" = "foreground $1" ]; }
    wait_until 10 foreground_is "$title"
}

# press WINDOW KEYS...: focuses the window, then types the keys.
press() { focus "$1" && xdotool key "${@:2}"; }

# options_dialog: waits for the shooter's options dialog, sets DIALOG to it and reads where its
# controls lie (window_layout).
options_dialog() {
    DIALOG=$(wait_for_window '^Option Window$') || give_up "no options dialog"
    window_layout "$DIALOG"
}

# click_control WINDOW ID: a click into the middle of one of the window's controls, as
# window_layout last found them.
click_control() {
    local x y width height
    read -r x y width height <<<"${CONTROLS[$2]:-}"
    [ -n "$height" ] || give_up "no control $2 in the window"
    xdotool mousemove --window "$1" $((x + width / 2)) $((y + height / 2)) click 1
}

# fill_options_dialog WIDTH HEIGHT [click]: fills in the shooter's options dialog as a user
# would and accepts it. Each field is entered with Tab, which selects its text, and the dialog
# accepted with Return; or with "click" by a click into the field and End, Shift+Home, and
# the dialog accepted with a click on OK. The text typed replaces the selection. A size "keep"
# leaves that field's text alone; an empty size empties the field.
fill_options_dialog() {
    local width=$1 height=$2 how=${3:-tab}
    options_dialog
    focus "$DIALOG" || give_up "the options dialog did not take the keyboard"
    # OK has the focus: Tab, Tab reaches the height field, the upper one, and Tab again the
    # width field below it.
    if [ "$how" = tab ]; then xdotool key Tab Tab; fi
    enter_field "$how" $HEIGHT_FIELD "$height"
    if [ "$how" = tab ]; then xdotool key Tab; fi
    enter_field "$how" $WIDTH_FIELD "$width"
    if [ "$how" = click ]; then
        click_control "$DIALOG" $OK_BUTTON
    else
        press "$DIALOG" Return || give_up "the options dialog did not take the keyboard for Return"
    fi
}

# enter_field HOW FIELD TEXT: replaces the text of the options dialog's field (which has the
# focus already when HOW is tab).
enter_field() {
    [ "$3" != keep ] || return 0
    if [ "$1" = click ]; then
        click_control "$DIALOG" "$2"
        # grep reads all of it: one that stopped at the match could fail the pipe (pipefail).
        field_has_focus() { probe foreground | grep -x "focus $1" >/dev/null; }
        wait_until 10 field_has_focus "$2" || give_up "the field $2 did not take the focus on a click"
        xdotool key End shift+Home
    fi
    xdotool key Delete
    if [ -n "$3" ]; then xdotool type --delay 20 -- "$3"; fi
}

# start_shooter EXE WIDTH HEIGHT [click]: starts a shooter program, gives its options dialog the
# window size (see fill_options_dialog), answers the help box that opens before the game window
# and sets GAME to that window. Sets where the world build puts the arena and the panel for the
# size, from the world builder's sizes in the build_info.sh of the program's build: ARENA_SIZE,
# ARENA_X, ARENA_Y (the arena's square, centred in the view left of the panel) and PANEL_X.
start_shooter() {
    local info panel_width=""
    info="$(dirname "$1")/../build_info.sh"
    read -r ARENA_SIZE panel_width < <(source "$info" && echo "$SHOOTER_ARENA_SIZE $SHOOTER_PANEL_WIDTH") ||
        give_up "no world sizes in $info"
    start_program "$1"
    fill_options_dialog "$2" "$3" "${4:-tab}"
    dismiss_box help 15 || give_up "no help box at start-up, or it did not close on Return"
    GAME=$(wait_for_window '^Game$' 15) || give_up "no game window after the help box"
    ARENA_X=$((($2 - ARENA_SIZE - panel_width) / 2)) ARENA_Y=$((($3 - ARENA_SIZE) / 2))
    PANEL_X=$(($2 - panel_width))
}

# dismiss_box TITLE [SECONDS]: presses Return on a message box with that title, if one opens,
# and waits until the box has gone.
dismiss_box() {
    local box
    box=$(wait_for_window "^$1\$" "${2:-10}") || return 1
    press "$box" Return || return 1
    box_gone() { [ -z "$(program_windows "^$1\$")" ]; }
    wait_until 10 box_gone "$1"
}

# shot FILE [WINDOW]: a screenshot of one window, or of the whole screen. A name ending in
# .ppm gives a binary PPM, which is quicker to write and to read than a PNG.
shot() {
    import -window "${2:-root}" -depth 8 "$1"
    LAST_SHOT=$1
}

# new_frames WINDOW FILE [COUNT]: takes screenshots of the window until its picture has changed
# COUNT times (the status line changes with every frame painted), leaving the last in FILE.
# Gives up when a new picture takes more than 10 s (times WAIT_FACTOR).
new_frames() {
    local window=$1 file=$2 count=${3:-1} previous="$WORK_DIR/previous.${2##*.}"
    shot "$file" "$window"
    picture_changed() { shot "$file" "$window" && ! cmp -s "$file" "$previous"; }
    while [ "$count" -gt 0 ]; do
        cp "$file" "$previous"
        wait_until 10 picture_changed || give_up "the window's picture did not change ($count more frames awaited)"
        count=$((count - 1))
    done
}

# wait_until SECONDS COMMAND...: runs the command (a check that takes its own screenshot) until
# it succeeds; fails (returns 1) when the time is up or the program has ended, and then says
# what it waited for.
wait_until() {
    local seconds=$(($1 * WAIT_FACTOR))
    local deadline=$((SECONDS + seconds))
    shift
    until "$@"; do
        program_running || { echo "the program ended while waiting for: $*" >&2; return 1; }
        [ $SECONDS -lt $deadline ] || { echo "waited $seconds s in vain for: $*" >&2; return 1; }
        sleep 0.1
    done
}

# status_line_shows FILE [WINDOW [X Y]]: takes a screenshot; whether the status line "error:
# P=..." begins at the client area's top-left corner, at (X, Y) of the screenshot (0, 0 by
# default).
status_line_shows() {
    shot "$1" "${2:-root}"
    text_shows "$1" "${3:-0}" "${4:-0}" "error: P="
}

# pixels FILE QUERY...: answers questions about a screenshot's pixels, one line each (see
# pixels.py: color, count, find, bbox, same).
pixels() { python3 "$DRIVE_DIR/pixels.py" "$@"; }

# wait_for_exit [SECONDS]: waits for the program to end and sets EXIT_CODE to its exit code;
# fails if it still runs after that many seconds (20 by default). 0 waits for as long as the
# program runs (a user plays with it).
wait_for_exit() {
    local seconds=${1:-20}
    local deadline=$((SECONDS + seconds * WAIT_FACTOR))
    while [ "$seconds" != 0 ] && program_running; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
    EXIT_CODE=0
    wait "$PROGRAM_PID" || EXIT_CODE=$?
    PROGRAM_PID=""
}

# close_with WINDOW KEYS: presses the keys once in the window, and gives up unless the program
# then ends with exit code 0.
close_with() {
    local window=$1 keys=$2
    press "$window" "$keys" || give_up "the window did not take the keyboard for $keys"
    wait_for_exit 20 || give_up "the program did not end within 20 s after $keys"
    [ "$EXIT_CODE" = 0 ] || give_up "exit code $EXIT_CODE after $keys"
}

is_shooter() { case "$(basename "$1")" in shooter*) return 0 ;; *) return 1 ;; esac; }
