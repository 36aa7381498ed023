#!/usr/bin/env bash
# Builds the 64-bit programs and runs the frame-time benchmark under Wine.
#     tools/bench.sh [--quick | --smoke] [--csv FILE]
# Without an X display a virtual one is started. The table goes to standard output; the exit
# code is bench.exe's (non-zero when a scenario failed its checks).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

arguments=()
while [ $# -gt 0 ]; do
    case "$1" in
        --csv) arguments+=(--csv "$(realpath -m "$2")"); shift 2 ;;
        --quick|--smoke) arguments+=("$1"); shift ;;
        *) echo "unknown argument: $1 (see the comment at the top of $0)" >&2; exit 2 ;;
    esac
done

trap 'stop_wine; stop_display' EXIT
prepare_win64_run
"$WINE64" build/win64/bin/bench.exe "${arguments[@]}"
