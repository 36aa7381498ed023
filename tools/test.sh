#!/usr/bin/env bash
# Installs what is missing, builds the 32-bit (shipping) and the 64-bit programs with their tests
# and warnings as errors, makes both release archives and checks them (each program of each
# archive started under Wine), checks that a second 32-bit build in another folder gives the
# same bytes, and runs the whole test suite twice on a virtual display of its own: the 32-bit
# programs under the 32-bit Wine, then the 64-bit ones under the 64-bit Wine, both in one 64-bit
# prefix. The 32-bit unit tests also run in a 32-bit-only prefix, as on 32-bit Windows. Where
# the kernel refuses 32-bit programs, the 32-bit Wine runs under QEMU's user-mode emulator
# instead, too slow for the whole suite: the 32-bit build gets a smoke run there (see
# run_smoke_under_emulation). Ends with one summary line per run and one that says how the
# 32-bit build was tested; fails when any run fails. Run as root on a fresh Debian 12 machine,
# from anywhere:
#     tools/test.sh
# ARENA_FORCE_QEMU_32BIT=1 takes the emulated way even where the kernel runs 32-bit programs.
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
# The prefix asks can_run_32bit too, and boots with the emulator where that is the way.
prepare_wine_prefix "$SHARED_PREFIX"
can_run_32bit || true

log "checking the release archives"
case $ARENA_32BIT in
native) tools/check_release.sh --start build/win32 ;;
emulated) tools/check_release.sh build/win32 ;; # the smoke below starts its programs
none)
    tools/check_release.sh build/win32
    log "!!! THE 32-BIT BUILD IS NOT RUN: $WHY_NO_32BIT !!!"
    ;;
esac
tools/check_release.sh --start build/win64

summaries=()
silent_logs=()
failed=no

# test_build PRESET LABEL: runs the preset's whole suite (run_suite) and keeps its summary line
# and where its records of test programs that ended without output lie.
test_build() {
    local output="build/$1/ctest-output.txt"
    log "running the tests of the $2"
    run_suite "$REPO_ROOT/build/$1" "$output" || failed=yes
    summaries+=("$2: $(grep -E 'tests passed|No tests were found' "$output" | tail -n 1)")
    silent_logs+=("$REPO_ROOT/build/$1/wine-exec-log")
}

# print_silent_ends: the records of the test programs that ended without output, if any, and
# how many times Wine's own start-up failed and was run again (see tools/wine-exec.sh).
print_silent_ends() {
    local dir records retried=0
    for dir in "${silent_logs[@]}"; do
        [ -d "$dir" ] || continue
        records=$(find "$dir" -maxdepth 1 -type f | sort)
        if [ -n "$records" ]; then
            echo
            echo "== test programs that ended without output ($dir)"
            xargs cat <<<"$records"
        fi
        [ -d "$dir/retried" ] || continue
        retried=$((retried + $(find "$dir/retried" -type f | wc -l)))
    done
    echo
    echo "wine start-up retried $retried times"
}

# run_unit_tests_x86_only: the 32-bit unit-test programs in a prefix made for 32-bit Windows
# only, where Windows has no 64-bit side at all; each program prints its own summary.
run_unit_tests_x86_only() {
    local shared=$WINEPREFIX program output counts=()
    prepare_wine_prefix "$REPO_ROOT/build/wineprefix-x86only" win32
    for program in $(unit_test_programs build/win32); do
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

# The unit tests the 32-bit build runs under QEMU's emulator, as a GoogleTest filter: all but
# the engine's thread storms (tens of thousands of thread starts), which kill the emulator, and
# the loads of thousands of pens, which take minutes there.
EMULATED_UNIT_TESTS='-EngineStress*:*PensOfManyBursts*:*HeldWeapon*'

# run_smoke_under_emulation: a smoke of the shipped build where the 32-bit Wine runs only under
# QEMU's emulator, about a minute of CPU to start each process: every program of the 32-bit
# archive is started until its first window (a shooter on to drawn frames) and closed
# (tools/check_release.sh --start), and the unit-test programs run with EMULATED_UNIT_TESTS, all
# at once, since each spends most of its time starting. Fails unless every program of the
# archive passed.
run_smoke_under_emulation() {
    local output=build/win32/smoke-programs.txt expected passed tests=0 program i count
    local programs pids=()
    mapfile -t programs < <(unit_test_programs build/win32)
    log "smoke of the 32-bit build under QEMU's emulator: the programs of its release archive"
    tools/check_release.sh --start build/win32 2>&1 | tee "$output" || failed=yes
    expected=$(source build/win32/build_info.sh && echo ${#PROGRAMS[@]})
    passed=$(grep -c '^PASS: ' "$output" || true)
    if [ "$passed" -ne "$expected" ]; then
        log "the smoke passed $passed of the $expected programs of the 32-bit archive"
        failed=yes
    fi
    log "running ${programs[*]} under QEMU's emulator (filter $EMULATED_UNIT_TESTS)"
    for program in "${programs[@]}"; do
        tools/wine-exec.sh "build/win32/bin/$program.exe" --gtest_filter="$EMULATED_UNIT_TESTS" \
            >"build/win32/$program-emulated.txt" 2>&1 &
        pids+=($!)
    done
    for i in "${!programs[@]}"; do
        program=${programs[i]} output="build/win32/${programs[i]}-emulated.txt"
        if wait "${pids[i]}"; then
            count=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\..*/\1/p' "$output")
            tests=$((tests + ${count:-0}))
        else
            grep -E '^\[  FAILED  \]|Failure' "$output" >&2 || tail -n 20 "$output" >&2
            log "$program FAILED under QEMU's emulator"
            failed=yes
        fi
    done
    summaries+=("32-bit build: smoke under emulation ($passed programs, $tests unit tests)")
}

case $ARENA_32BIT in
native)
    test_build win32 "32-bit build (win32) under 32-bit Wine"
    test_build win64 "64-bit build (win64) under 64-bit Wine"
    run_unit_tests_x86_only
    summaries+=("32-bit build: whole suite")
    ;;
emulated)
    test_build win64 "64-bit build (win64) under 64-bit Wine"
    run_smoke_under_emulation
    ;;
none)
    test_build win64 "64-bit build (win64) under 64-bit Wine"
    summaries+=("32-bit build: NOT RUN: $WHY_NO_32BIT")
    ;;
esac

print_silent_ends
echo
echo "== summary"
printf '%s\n' "${summaries[@]}"
[ $failed = no ]
