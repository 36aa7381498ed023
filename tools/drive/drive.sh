# Drives the programs' windows under Wine like a user, for every script that runs a program and
# looks at it (the system tests, the soak, the release check, the run script): starts and stops
# a program, finds its windows, presses keys once a window has the keyboard, fills in the
# shooter's options dialog and answers its boxes, takes screenshots and asks about their pixels
# (pixels.py), asks Windows where a window's parts lie (window_probe, built beside the programs)
# and waits for each step with a deadline. This file starts and stops the driving and holds its
# verdict and its wait; the program, its windows, the shooter's start and the screenshots have a
# file each beside it, sourced here.
#
# Source it, then call start_driving: sourcing defines functions only, and changes no locale,
# display, Wine prefix, trap or exported variable. The functions are written for scripts that
# run under set -euo pipefail. When a step cannot go on, give_up prints "FAIL: " and why, the
# program's standard error, runs the caller's on_give_up if it defines one, ends the program and
# exits with status 1.

source "$(dirname "${BASH_SOURCE[0]}")/../common.sh"
DRIVE_DIR="$REPO_ROOT/tools/drive"
source "$DRIVE_DIR/program.sh"
source "$DRIVE_DIR/windows.sh"
source "$DRIVE_DIR/shooter_start.sh"
source "$DRIVE_DIR/pictures.sh"

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
    cat "$WORK_DIR/program-stderr.txt" "$WORK_DIR/stderr.txt" >&2 2>/dev/null || true
    if declare -F on_give_up >/dev/null; then on_give_up || true; fi
    stop_program
    exit 1
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
