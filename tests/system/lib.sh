# Functions the system test scripts share: start a program under Wine, find and drive its
# windows with xdotool like a user, take screenshots and ask about their pixels. Source it.
# Needs DISPLAY (the test driver starts a virtual display) and, optionally, WINEPREFIX.

SYSTEM_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
REPO_ROOT=$(cd "$SYSTEM_DIR/../.." && pwd)
WORK_DIR=$(mktemp -d)
PROGRAM_PID=""
PROGRAM_STATUS_FILE="$WORK_DIR/status"

fail() {
    echo "FAIL: $*" >&2
    stop_program
    exit 1
}

# stop_program: ends the started program, if it still runs: the Wine process that the
# background shell started, then that shell.
stop_program() {
    [ -n "$PROGRAM_PID" ] || return 0
    local child
    for child in $(pgrep -P "$PROGRAM_PID"); do
        kill "$child" 2>/dev/null
    done
    kill "$PROGRAM_PID" 2>/dev/null
    wait "$PROGRAM_PID" 2>/dev/null
    PROGRAM_PID=""
}

cleanup() {
    stop_program
    rm -rf "$WORK_DIR"
}
trap cleanup EXIT
# A test driver that gives up on a script sends TERM: end the program all the same.
trap 'exit 1' TERM INT

# start_program EXE: runs it under Wine in the background; its exit code lands in a file.
start_program() {
    local exe=$1
    rm -f "$PROGRAM_STATUS_FILE" # an earlier program's exit code
    ( "$REPO_ROOT/tools/wine-exec.sh" "$exe"; echo $? >"$PROGRAM_STATUS_FILE" ) &
    PROGRAM_PID=$!
}

# owned_by_program WINDOW: whether the window belongs to the started program (the Wine process
# the background shell runs), so that a window of another program on the display never counts.
owned_by_program() {
    [ -n "$PROGRAM_PID" ] || return 0
    local owner
    owner=$(xdotool getwindowpid "$1" 2>/dev/null) || return 1
    [ "$owner" = "$PROGRAM_PID" ] || [ "$(ps -o ppid= -p "$owner" 2>/dev/null | tr -d ' ')" = "$PROGRAM_PID" ]
}

# wait_for_window NAME [SECONDS]: prints the id of the started program's visible window whose
# title matches.
wait_for_window() {
    local name=$1 limit=${2:-30} id
    local deadline=$((SECONDS + limit))
    while [ $SECONDS -lt $deadline ]; do
        for id in $(xdotool search --onlyvisible --name "$name" 2>/dev/null); do
            owned_by_program "$id" && { echo "$id"; return 0; }
        done
        sleep 0.2
    done
    return 1
}

# press WINDOW KEYS...: focuses the window, then types the keys. A window that cannot take the
# focus (it is gone, or a modal box holds it) fails the press instead of hanging the test.
press() {
    local window=$1
    shift
    timeout 10 xdotool windowfocus --sync "$window" key "$@"
}

# accept_options_dialog WIDTH HEIGHT: fills in the shooter's options dialog with the keyboard,
# as a user would: Tab into each field (which selects its text), type, and press Return.
accept_options_dialog() {
    local width=$1 height=$2 dialog
    dialog=$(wait_for_window '^Option Window$') || fail "no options dialog"
    # OK has the focus; Tab, Tab reaches the height field, Tab again the width field.
    press "$dialog" Tab Tab
    xdotool type --delay 20 "$height"
    press "$dialog" Tab
    xdotool type --delay 20 "$width"
    press "$dialog" Return
}

# dismiss_box TITLE [SECONDS]: presses Return on a message box with that title, if one opens.
dismiss_box() {
    local box
    box=$(wait_for_window "^$1\$" "${2:-10}") || return 1
    press "$box" Return
}

# shot FILE [WINDOW]: a screenshot of the whole screen or of one window.
shot() {
    if [ -n "${2:-}" ]; then
        import -window "$2" "$1"
    else
        import -window root "$1"
    fi
}

pixels() { python3 "$SYSTEM_DIR/pixels.py" "$@"; }

# wait_for_exit [SECONDS]: waits for the program to end and prints its exit code.
wait_for_exit() {
    local limit=${1:-20}
    local deadline=$((SECONDS + limit))
    while [ $SECONDS -lt $deadline ]; do
        if [ -s "$PROGRAM_STATUS_FILE" ]; then
            wait "$PROGRAM_PID" 2>/dev/null
            PROGRAM_PID=""
            cat "$PROGRAM_STATUS_FILE"
            return 0
        fi
        sleep 0.2
    done
    return 1
}

is_shooter() { case "$(basename "$1")" in shooter*) return 0 ;; *) return 1 ;; esac; }
