# The driven program itself, for tools/drive/drive.sh: starts it under Wine in a process group
# of its own, tells whether it runs and which windows are its own, waits for its end and its exit
# code, and ends it.

# start_program EXE: runs it under Wine in the background, in a process group of its own, and
# waits until it shows its first window (gives up when it shows none). Wine can run the Windows
# program as a second process that its launcher starts and waits for (a program started with the
# loader of the other kind, 32- or 64-bit, runs so); the group holds both, and the launcher ends
# with the program's exit code. Its standard error goes to a file (printed by give_up): Wine's
# desktop process, which a program may start, inherits it and outlives the program (see
# tools/wine-exec.sh). The window probe is the one beside the program, or WINDOW_PROBE for
# programs that have none beside them (an unpacked archive's).
start_program() {
    PROBE=${WINDOW_PROBE:-$(dirname "$1")/window_probe.exe}
    WAIT_FACTOR=1
    if runs_emulated "$1"; then WAIT_FACTOR=10; fi
    launch_program "$1"
    wait_until_shown && return 0
    program_running || wait_for_exit 0
    if [ -z "$EXIT_CODE" ] || ! wine_could_not_start "$WORK_DIR/program-stderr.txt"; then
        give_up "$(basename "$1") showed no window${EXIT_CODE:+; it ended with exit code $EXIT_CODE}"
    fi
    # The one start made again: Wine's loader failed (wine_could_not_start) before the program's
    # first line. It is recorded as tools/wine-exec.sh records its own (WINE_EXEC_LOG_DIR/retried,
    # counted by the test command). Any other end is not.
    record_wine_run "$(wine_exec_log_dir)/retried" \
        "$EXIT_CODE" "Wine could not start; started again: $1" "$WORK_DIR/program-stderr.txt"
    launch_program "$1"
    wait_until_shown || give_up "$(basename "$1") showed no window when started again"
}

# launch_program EXE: one start of the program, with Wine's errors of its address-space channel
# on, which alone tell a start that Wine's loader failed; the program's run is otherwise the same.
launch_program() {
    WINEDEBUG="${WINEDEBUG:--all},err+virtual" setsid "$REPO_ROOT/tools/wine-exec.sh" "$1" \
        2>"$WORK_DIR/program-stderr.txt" &
    PROGRAM_PID=$!
    EXIT_CODE=""
}

# wait_until_shown: waits until the started program shows a window (30 s, times WAIT_FACTOR);
# fails if it does not, or has ended.
wait_until_shown() {
    any_window_shown() { [ -n "$(program_windows '')" ]; }
    wait_until 30 any_window_shown 2>/dev/null
}

# stop_program: ends the started program, if it still runs.
stop_program() {
    [ -n "$PROGRAM_PID" ] || return 0
    kill -- "-$PROGRAM_PID" 2>/dev/null || true
    wait "$PROGRAM_PID" 2>/dev/null || true
    PROGRAM_PID=""
}

# program_running: whether the started program still runs.
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
