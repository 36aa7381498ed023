#!/usr/bin/env bash
# Planted faults: does the test suite notice what a user would notice? Plants each fault of
# tools/faults/faults.txt, one at a time, in a scratch copy of the working tree, rebuilds the
# 64-bit build, runs the unit-test programs and then the system tests until the first test that
# fails, and prints the faults that no test caught and the share the suite killed. A tool for
# developers; not part of the test command.
#
#     tools/plant_faults.sh [--check] [--no-baseline] [NAME...]
#
# NAME...        plant only these faults (default: all of them)
# --check        only report the faults whose code is no longer found as written
# --no-baseline  skip the run of the unmodified copy (which must pass, or nothing is learnt)
#
# The scratch copy lives in build/plant-faults and is kept between runs, so that a second run
# rebuilds only what changed; compilation goes through ccache. It runs on a virtual display and
# a Wine prefix of its own, so it does not disturb tests running beside it. Each fault's log is
# kept in build/plant-faults/logs.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$REPO_ROOT"

FAULTS="$REPO_ROOT/tools/faults/faults.txt"
faults() { python3 "$REPO_ROOT/tools/faults/faults.py" "$1" "$FAULTS" "${@:2}"; }

check_only=no baseline=yes chosen=()
for argument in "$@"; do
    case "$argument" in
    --check) check_only=yes ;;
    --no-baseline) baseline=no ;;
    -*) echo "unknown option $argument" >&2; exit 2 ;;
    *) chosen+=("$argument") ;;
    esac
done

faults check "$REPO_ROOT" || { echo "update the faults above in $FAULTS" >&2; exit 1; }
[ $check_only = yes ] && { echo "every fault plants as written"; exit 0; }
[ ${#chosen[@]} -gt 0 ] || mapfile -t chosen < <(faults list)

SCRATCH="$REPO_ROOT/build/plant-faults"
COPY="$SCRATCH/src"
BUILD="$COPY/build/win64"
LOGS="$SCRATCH/logs"
mkdir -p "$COPY" "$LOGS"
rm -f "$LOGS"/*.log

# The copy follows the working tree, uncommitted changes included. Times are kept, so that make
# rebuilds only the files that differ from the last run.
refresh_copy() {
    listed() { (cd "$1" && find . -path ./build -prune -o -path ./.git -prune -o -type f -print | sort); }
    comm -13 <(listed "$REPO_ROOT") <(listed "$COPY") | (cd "$COPY" && xargs -r rm -f --)
    tar -C "$REPO_ROOT" --exclude=./build --exclude=./.git -cf - . | tar -C "$COPY" -xf -
}

export CCACHE_BASEDIR="$COPY" CCACHE_NOHASHDIR=1
build() {
    cmake --build "$BUILD" -j "$(nproc)" >"$1" 2>&1
}

ensure_packages
ensure_locale
refresh_copy
log "configuring the scratch copy"
(cd "$COPY" && cmake --preset win64 -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
    -DCMAKE_C_COMPILER_LAUNCHER=ccache -DWARNINGS_AS_ERRORS=OFF >"$LOGS/configure.log" 2>&1) ||
    { cat "$LOGS/configure.log"; exit 1; }

# A display and a wineserver of its own.
unset DISPLAY
ensure_display || exit 1
trap 'stop_wine; stop_display' EXIT
prepare_wine_prefix "$BUILD/wineprefix"

log "building the unmodified copy"
build "$LOGS/baseline-build.log" || { tail -n 30 "$LOGS/baseline-build.log"; exit 1; }
if [ $baseline = yes ]; then
    log "running the suite on the unmodified copy"
    result=$(run_until_failure "$BUILD" "$LOGS/baseline.log")
    [ "$result" = passed ] || { echo "the unmodified copy fails: $result (see $LOGS/baseline.log)"; exit 1; }
fi

killed=0 planted=0 survivors=() unbuilt=()
for name in "${chosen[@]}"; do
    output="$LOGS/$name.log"
    changed=$(faults plant "$name" "$COPY") || exit 1
    start=$SECONDS
    if ! build "$output"; then
        unbuilt+=("$name")
        result="does not build"
    else
        planted=$((planted + 1))
        result=$(run_until_failure "$BUILD" "$output" "$(faults area "$name")")
        if [ "$result" = passed ]; then
            survivors+=("$name")
            result="SURVIVED"
        else
            killed=$((killed + 1))
            result="killed by $result"
        fi
    fi
    printf '%-32s %-60s %4ds\n' "$name" "$result" $((SECONDS - start))
    # Back to the working tree's file, with a fresh time so that make rebuilds it.
    cp "$REPO_ROOT/$changed" "$COPY/$changed"
    touch "$COPY/$changed"
done
build "$LOGS/restore-build.log" || log "the copy did not build again as the working tree (see $LOGS/restore-build.log)"

echo
if [ ${#unbuilt[@]} -gt 0 ]; then
    echo "faults that do not build (fix them in $FAULTS): ${unbuilt[*]}"
fi
for name in "${survivors[@]}"; do
    echo "survived: $name: $(faults show "$name")"
done
if [ $planted -gt 0 ]; then
    echo "killed $killed of $planted planted faults ($((100 * killed / planted)) %)"
fi
