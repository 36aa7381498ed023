#!/usr/bin/env bash
# Installs what is missing, builds the 32-bit (shipping) and the 64-bit programs with their tests
# and warnings as errors, makes both release archives and checks them (each program of each
# archive started under Wine), checks that a second 32-bit build in another folder gives the
# same bytes, and runs the whole test suite twice on a virtual display of its own: the 32-bit
# programs under the 32-bit Wine, then the 64-bit ones under the 64-bit Wine, both in one 64-bit
# prefix. The 32-bit unit tests also run in a 32-bit-only prefix, as on 32-bit Windows. Ends
# with one summary line per run; fails when any run fails. Where this machine cannot run 32-bit
# programs, only the 64-bit suite runs and a line that says so stands beside the summary. Run as
# root on a fresh Debian 12 machine, from anywhere:
#     tools/test.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$REPO_ROOT"

ensure_packages
ensure_locale

log "building the 32-bit programs and tests (preset win32)"
build_preset win32 -DWARNINGS_AS_ERRORS=ON

log "building the 64-bit programs and tests (preset win64)"
build_preset win64 -DWARNINGS_AS_ERRORS=ON

log "making the release archives"
tools/release.sh

log "building the 32-bit release again in another folder"
tools/check_reproducible.sh win32 -DWARNINGS_AS_ERRORS=ON

start_display
trap 'stop_wine; stop_display' EXIT
prepare_wine_prefix "$SHARED_PREFIX"

runs_32bit=yes
can_run_32bit || runs_32bit=no
no_32bit_line="!!! THE 32-BIT BUILD WAS NOT RUN: $WHY_NO_32BIT; only the 64-bit programs were tested !!!"

log "checking the release archives"
if [ $runs_32bit = yes ]; then
    tools/check_release.sh --start build/win32
else
    tools/check_release.sh build/win32
    log "$no_32bit_line"
fi
tools/check_release.sh --start build/win64

summaries=()
silent_logs=()
failed=no

# run_suite PRESET LABEL: runs the preset's whole ctest suite and keeps its summary line.
run_suite() {
    local output="build/$1/ctest-output.txt"
    log "running the tests of the $2"
    # Every test runs once: a test that fails now and then is a fault to find, not to rerun.
    # A test program that ends without printing anything leaves a record of its exit code, its
    # standard error and Wine's error messages here (see tools/wine-exec.sh).
    export WINE_EXEC_LOG_DIR="$REPO_ROOT/build/$1/wine-exec-log"
    rm -rf "$WINE_EXEC_LOG_DIR"
    ctest --preset "$1" -j "$(nproc)" 2>&1 | tee "$output" || failed=yes
    summaries+=("$2: $(grep -E 'tests passed|No tests were found' "$output" | tail -n 1)")
    silent_logs+=("$WINE_EXEC_LOG_DIR")
}

# print_silent_ends: the records of the test programs that ended without output, if any.
print_silent_ends() {
    local dir
    for dir in "${silent_logs[@]}"; do
        [ -n "$(ls -A "$dir" 2>/dev/null)" ] || continue
        echo
        echo "== test programs that ended without output ($dir)"
        cat "$dir"/*
    done
}

# run_unit_tests_x86_only: the 32-bit unit-test programs in a prefix made for 32-bit Windows
# only, where Windows has no 64-bit side at all; each program prints its own summary.
run_unit_tests_x86_only() {
    local shared=$WINEPREFIX program output counts=()
    prepare_wine_prefix "$REPO_ROOT/build/wineprefix-x86only" win32
    for program in engine_tests demo_tests shooter_tests; do
        output="build/win32/$program-x86only.txt"
        log "running $program in the 32-bit-only prefix"
        if tools/wine-exec.sh "build/win32/bin/$program.exe" >"$output" 2>&1; then
            counts+=("$program $(grep -oE '[0-9]+ tests?\.' "$output" | tail -n 1 | tr -d .) passed")
        else
            grep -E '^\[  FAILED  \]|Failure' "$output" >&2 || tail -n 20 "$output" >&2
            counts+=("$program FAILED")
            failed=yes
        fi
    done
    "$WINESERVER" -k 2>/dev/null || true
    unset WINEARCH
    export WINEPREFIX=$shared
    summaries+=("32-bit unit tests in a 32-bit-only prefix: $(IFS=,; echo "${counts[*]}" | sed 's/,/, /g')")
}

if [ $runs_32bit = yes ]; then
    run_suite win32 "32-bit build (win32) under 32-bit Wine"
fi
run_suite win64 "64-bit build (win64) under 64-bit Wine"
if [ $runs_32bit = yes ]; then
    run_unit_tests_x86_only
fi

print_silent_ends
echo
echo "== summary"
printf '%s\n' "${summaries[@]}"
[ $runs_32bit = yes ] || echo "$no_32bit_line"
[ $failed = no ]
