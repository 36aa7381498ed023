# Functions the system test scripts share: start a program under Wine, find and drive its
# windows with xdotool like a user, take screenshots and ask about their pixels, wait for the
# program's end. Source it. The test driver provides the display and the Wine prefix; run by
# hand, a script starts a virtual display and the shared Wine prefix of its own.
#
# SYSTEM_SHOTS, when it names a folder, keeps screenshots there: those a script keeps with
# keep_shot, and the last one taken when a check fails.

source "$(dirname "${BASH_SOURCE[0]}")/../../tools/common.sh"
SYSTEM_DIR="$REPO_ROOT/tests/system"
WORK_DIR=$(mktemp -d)
PROGRAM_PID="" # the Wine process of the started program, and its process group
EXIT_CODE=""   # the started program's exit code, once wait_for_exit has seen it end
LAST_SHOT=""
OWN_PREFIX=no

ensure_locale
ensure_display || exit 1
if [ -z "${WINEPREFIX:-}" ]; then
    prepare_wine_prefix "$SHARED_PREFIX"
    OWN_PREFIX=yes
fi

fail() {
    echo "FAIL: $*" >&2
    [ -n "$LAST_SHOT" ] && keep_shot "$LAST_SHOT" failure
    stop_program
    exit 1
}

# stop_program: ends the started program, if it still runs.
stop_program() {
    [ -n "$PROGRAM_PID" ] || return 0
    kill -- "-$PROGRAM_PID" 2>/dev/null
    wait "$PROGRAM_PID" 2>/dev/null
    PROGRAM_PID=""
}

cleanup() {
    xdotool mouseup 1 mouseup 3 2>/dev/null
    stop_program
    rm -rf "$WORK_DIR"
    [ $OWN_PREFIX = yes ] && stop_wine
    stop_display
}
trap cleanup EXIT
# A test driver that gives up on a script sends TERM: end the program all the same.
trap 'exit 1' TERM INT

# start_program EXE: runs it under Wine in the background, in a process group of its own. Wine
# can run the Windows program as a second process that its launcher starts and waits for (a
# program started with the loader of the other kind, 32- or 64-bit, runs so); the group holds
# both, and the launcher ends with the program's exit code.
start_program() {
    setsid "$REPO_ROOT/tools/wine-exec.sh" "$1" &
    PROGRAM_PID=$!
    EXIT_CODE=""
}

program_running() { [ -n "$PROGRAM_PID" ] && kill -0 "$PROGRAM_PID" 2>/dev/null; }

# program_windows TITLE: prints the ids of the started program's visible windows whose title
# matches now. Only the program's own windows count (those of its process group), never those of
# another program on the display.
program_windows() {
    local pid
    [ -n "$PROGRAM_PID" ] || return 0
    for pid in $(pgrep -g "$PROGRAM_PID"); do
        xdotool search --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null
    done
}

# find_window TITLE: prints the id of the first of those windows.
find_window() {
    local id
    id=$(program_windows "$1" | head -n 1)
    [ -n "$id" ] && echo "$id"
}

# wait_for_window TITLE [SECONDS]: the same, waiting for the window to show.
wait_for_window() {
    local deadline=$((SECONDS + ${2:-30}))
    while [ $SECONDS -lt $deadline ] && program_running; do
        find_window "$1" && return 0
        sleep 0.2
    done
    return 1
}

# focus WINDOW: gives the window the keyboard focus. A window that cannot take it (it is gone, or
# a modal box holds it) fails instead of hanging the test.
focus() { timeout 10 xdotool windowfocus --sync "$1"; }

# press WINDOW KEYS...: focuses the window, then types the keys.
press() { focus "$1" && xdotool key "${@:2}"; }

# fill_options_dialog WIDTH HEIGHT [click]: fills in the shooter's options dialog as a user
# would and presses Return. Each field is entered with Tab, which selects its text, or with
# "click" by a click into it and End, Shift+Home; the text typed replaces the selection. A size
# "keep" leaves that field's text alone; an empty size empties the field.
fill_options_dialog() {
    local width=$1 height=$2 how=${3:-tab} dialog
    dialog=$(wait_for_window '^Option Window$') || fail "no options dialog"
    focus "$dialog"
    # OK has the focus: Tab, Tab reaches the height field, the upper one, and Tab again the
    # width field below it.
    [ "$how" = tab ] && xdotool key Tab Tab
    enter_field "$dialog" "$how" 43 "$height"
    [ "$how" = tab ] && xdotool key Tab
    enter_field "$dialog" "$how" 68 "$width"
    press "$dialog" Return
}

# enter_field DIALOG HOW Y TEXT: replaces the text of the options dialog's field at height Y
# (the field has the focus already when HOW is tab).
enter_field() {
    [ "$4" = keep ] && return 0
    # The fields lie right of their labels.
    [ "$2" = click ] && xdotool mousemove --window "$1" 140 "$3" click 1 sleep 0.2 key End shift+Home
    xdotool key Delete
    [ -z "$4" ] || xdotool type --delay 20 -- "$4"
}

# start_shooter EXE WIDTH HEIGHT [click]: starts a shooter program, gives its options dialog the
# window size (see fill_options_dialog), answers the help box that opens before the game window
# and sets GAME to that window. Sets where the world build puts the arena and the panel for the
# size: ARENA_X, ARENA_Y (the arena's 1000 x 1000 square, centred in the view) and PANEL_X.
start_shooter() {
    start_program "$1"
    fill_options_dialog "$2" "$3" "${4:-tab}"
    dismiss_box help 15 || fail "no help box at start-up"
    GAME=$(wait_for_window '^Game$' 15) || fail "no game window after the help box"
    ARENA_X=$((($2 - 1100) / 2)) ARENA_Y=$((($3 - 1000) / 2)) PANEL_X=$(($2 - 100))
}

# dismiss_box TITLE [SECONDS]: presses Return on a message box with that title, if one opens.
dismiss_box() {
    local box
    box=$(wait_for_window "^$1\$" "${2:-10}") || return 1
    press "$box" Return
}

# shot FILE [WINDOW]: a screenshot of one window, or of the whole screen. A name ending in
# .ppm gives a binary PPM, which is quicker to write and to read than a PNG.
shot() {
    import -window "${2:-root}" -depth 8 "$1"
    LAST_SHOT=$1
}

# new_frames WINDOW FILE [COUNT]: takes screenshots of the window until its picture has changed
# COUNT times (the status line changes with every frame painted), leaving the last in FILE.
new_frames() {
    local window=$1 file=$2 count=${3:-1} previous="$WORK_DIR/previous.${2##*.}"
    shot "$file" "$window"
    while [ "$count" -gt 0 ]; do
        cp "$file" "$previous"
        while shot "$file" "$window" && cmp -s "$file" "$previous"; do
            program_running || return 1
        done
        count=$((count - 1))
    done
}

# wait_until SECONDS COMMAND...: runs the command (a check that takes its own screenshot) until
# it succeeds; fails (returns 1) when the time is up or the program has ended.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        program_running && [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

# status_line_shows FILE [WINDOW]: takes a screenshot; whether the status line, dark text on
# light, stands at its top-left corner (a window not painted yet is all dark there).
status_line_shows() {
    local dark light
    shot "$@"
    read -r dark light < <(pixels "$1" count 0 0 200 40 'max(r, g, b) <= 60' \
        count 0 0 200 40 'min(r, g, b) >= 200' | paste -sd' ')
    [ "$dark" -gt 20 ] && [ "$light" -gt 20 ]
}

# keep_shot FILE NAME: keeps a PNG copy of the screenshot as NAME.png in SYSTEM_SHOTS, if set.
keep_shot() {
    [ -n "${SYSTEM_SHOTS:-}" ] && [ -e "$1" ] && convert "$1" "$SYSTEM_SHOTS/$2.png"
    return 0
}

# pixels FILE QUERY...: answers questions about a screenshot's pixels, one line each (see
# pixels.py: color, count, find, bbox).
pixels() { python3 "$SYSTEM_DIR/pixels.py" "$@"; }

# wait_for_exit [SECONDS]: waits for the program to end and sets EXIT_CODE to its exit code;
# fails if it still runs after that many seconds.
wait_for_exit() {
    local deadline=$((SECONDS + ${1:-20}))
    while program_running; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
    wait "$PROGRAM_PID"
    EXIT_CODE=$?
    PROGRAM_PID=""
}

# close_with WINDOW KEYS: presses the keys in the window until the program ends, and fails
# unless it ends with exit code 0. A key pressed while Wine hands the focus back to the window
# after a box has closed can be lost, so it is pressed up to three times.
close_with() {
    local window=$1 keys=$2 attempt
    for attempt in 1 2 3; do
        press "$window" "$keys" 2>/dev/null
        wait_for_exit 8 && break
    done
    program_running && fail "the program did not end after $keys"
    [ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE after $keys"
}

is_shooter() { case "$(basename "$1")" in shooter*) return 0 ;; *) return 1 ;; esac; }
