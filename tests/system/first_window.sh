#!/usr/bin/env bash
# Each program starts under Wine far enough to show its first window (the shooter's options
# dialog, or a demonstration program's window "Game"), and ends with exit code 0 when its window
# is closed with ESC: what a user who opens the release archive sees first. A shooter goes on
# from its dialog, with the size the dialog offers, through the help box to a game window that
# draws frames.
#     tests/system/first_window.sh PROGRAM.exe...
set -u
source "$(dirname "$0")/lib.sh"

for exe in "$@"; do
    start_program "$exe"
    window=$(wait_for_window '^(Option Window|Game)$') ||
        fail "$(basename "$exe") showed neither its options dialog nor its window Game"
    what="showed its first window"
    if is_shooter "$exe"; then
        press "$window" Return
        dismiss_box help 15 || fail "$(basename "$exe") showed no help box after its options dialog"
        window=$(wait_for_window '^Game$' 15) || fail "no game window after the help box"
        # Two changes: the window's first paint alone could make one.
        new_frames "$window" "$WORK_DIR/frame.ppm" 2 || fail "$(basename "$exe")'s game draws no frames"
        what="went through its options dialog and help box to drawn frames"
    fi
    close_with "$window" Escape
    echo "PASS: $(basename "$exe") $what and ended with exit code 0"
done
