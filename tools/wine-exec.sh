#!/usr/bin/env bash
# Runs a Windows program of either build under Wine: a 32-bit program under the 32-bit Wine, a
# 64-bit one under the 64-bit Wine. ctest uses it as the emulator of the test programs. Defaults
# suit the tests: the shared prefix, no Wine debug output, and the Russian locale, whose code page
# for non-Unicode programs is Windows-1251; WINE_LOCALE names another (en_US.UTF-8: 1252).
#     tools/wine-exec.sh [--hold-stderr] PROGRAM.exe [ARGUMENTS...]
#
# --hold-stderr: the program's standard error goes to a file, copied to this script's own when
# the program ends. Wine's desktop process (explorer.exe), which the first program to open a
# window starts, inherits that program's standard error and lives as long as any program uses
# the desktop: a caller that reads the stream to its end, as ctest does, would wait for it, and
# a test that passed would time out while other tests keep the desktop busy. Without the
# option the script becomes the Wine process itself, so that its process id is the program's.
#
# A held program also runs with Wine's error messages on (WINEDEBUG=err+all). When it ends
# without having printed anything and either failed or is a test program (given --gtest_
# options: those always print), a record of it (command, exit code, its standard error and
# Wine's messages) goes to a file of its own in WINE_EXEC_LOG_DIR (default build/wine-exec-log),
# which the test command prints at its end; otherwise Wine's messages are dropped. One failure of
# Wine's own start-up is run a second time (see below), and counted.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
export WINEPREFIX="${WINEPREFIX:-$SHARED_PREFIX}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export LC_ALL="${WINE_LOCALE:-ru_RU.UTF-8}"
if [ "${1:-}" = --hold-stderr ]; then
    shift
    held=$(mktemp)
    printed=$(mktemp)
    # A program stopped with its process group (as the system tests stop one) takes this
    # script with it: the files go all the same.
    trap 'rm -f "$held" "$printed"' EXIT
    trap 'exit 143' TERM
    log_dir=$(wine_exec_log_dir)
    # run_held: runs the program once, its standard error into $held, its output through tee
    # into $printed as well; sets status. Only the program's standard output reaches tee: Wine
    # gives its desktop process the standard error alone, so the pipe ends with the program.
    run_held() {
        if WINEDEBUG=err+all "$(wine_loader "$1")" "$@" 2>"$held" | tee "$printed"; then
            status=0
        else
            status=${PIPESTATUS[0]}
        fi
    }
    run_held "$@"
    # The one failure run again: Wine's loader could not start the program (wine_could_not_start
    # in common.sh), before its first line, with nothing printed. Each retry leaves a record in
    # $log_dir/retried, which the test command counts. Any other failure, and a program that
    # printed anything, is never rerun.
    if [ ! -s "$printed" ] && [ "$status" -ne 0 ] && wine_could_not_start "$held"; then
        record_wine_run "$log_dir/retried" "$status" "Wine could not start; started again: $*" "$held"
        run_held "$@"
    fi
    wine_messages='^([0-9a-f]+:)?(err|fixme|warn|trace):'
    if [ ! -s "$printed" ] && { [ "$status" -ne 0 ] || [[ " $* " == *" --gtest_"* ]]; }; then
        record_wine_run "$log_dir" "$status" "no output: $*" "$held"
    fi
    grep -Ev "$wine_messages" "$held" >&2 || true
    exit $status
fi
exec "$(wine_loader "$1")" "$@"
