#!/usr/bin/env bash
# Each program starts under Wine far enough to show its first window (the shooter's options
# dialog, or a demonstration program's window "Game"), and ends with exit code 0 when that
# window is closed with ESC: what a user who opens the release archive sees first.
#     tests/system/first_window.sh PROGRAM.exe...
set -u
source "$(dirname "$0")/lib.sh"

for exe in "$@"; do
    start_program "$exe"
    window=$(wait_for_window '^(Option Window|Game)$') ||
        fail "$(basename "$exe") showed neither its options dialog nor its window Game"
    close_with "$window" Escape
    echo "PASS: $(basename "$exe") showed its first window and ended with exit code 0"
done
