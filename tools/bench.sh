#!/usr/bin/env bash
# Builds the programs and runs the frame-time benchmark under Wine: the 64-bit build under the
# 64-bit Wine, with --x86 the 32-bit build under the 32-bit Wine, or with --both first the one and
# then the other in the same run, followed by the README's table with both builds' p50.
#     tools/bench.sh [--x86 | --both] [--quick | --smoke] [--csv FILE]
# Without an X display a virtual one is started. The table goes to standard output; the exit
# code is bench.exe's (non-zero when a scenario failed its checks).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

arguments=()
presets=(win64)
csv=""
while [ $# -gt 0 ]; do
    case "$1" in
        --csv) csv=$(realpath -m "$2"); shift 2 ;;
        --quick|--smoke) arguments+=("$1"); shift ;;
        --x86) presets=(win32); shift ;;
        --both) presets=(win64 win32); shift ;;
        *) echo "unknown argument: $1 (see the comment at the top of $0)" >&2; exit 2 ;;
    esac
done

tables=$(mktemp -d)
trap 'rm -rf "$tables"; stop_wine; stop_display' EXIT
prepare_run "${presets[@]}"
for preset in "${presets[@]}"; do
    log "benchmark of the $preset build"
    exe="build/$preset/bin/bench.exe"
    "$(wine_loader "$exe")" "$exe" "${arguments[@]}" --csv "$tables/$preset.csv"
    [ -z "$csv" ] || cp "$tables/$preset.csv" "${csv%.csv}${presets[1]:+-$preset}.csv"
done
if [ ${#presets[@]} = 2 ]; then
    echo
    python3 tools/bench_table.py "$tables/win64.csv" "$tables/win32.csv"
fi
