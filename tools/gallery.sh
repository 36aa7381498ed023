#!/usr/bin/env bash
# Regenerates the README's moving pictures, docs/gallery/PROGRAM.gif, one loop per program:
# builds the 64-bit programs, runs record.exe under Wine (on a virtual display when there is
# none), which draws every loop's frames as the benchmark draws its scenarios, and turns each
# loop's frames into a looping GIF with ImageMagick: halved, at most 128 colours, 30 frames a
# second. The same sources give the same bytes.
#     tools/gallery.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

frames=$(mktemp -d)
trap 'rm -rf "$frames"; stop_wine; stop_display' EXIT
prepare_run win64
"$WINE64" build/win64/bin/record.exe "$frames"

for folder in "$frames"/*/; do
    program=$(basename "$folder")
    gif="docs/gallery/$program.gif"
    arguments=()
    count=0
    for frame in "$folder"*.bmp; do
        # GIF delays are whole hundredths of a second: 3, 3, 4 shows three frames in a tenth.
        arguments+=(-delay $((count % 3 == 2 ? 4 : 3)) "$frame")
        count=$((count + 1))
    done
    # -fuzz lets the optimiser keep pixels that the scaling changed by a shade only.
    convert "${arguments[@]}" -resize 50% +dither -colors 128 -fuzz 2% -layers Optimize -loop 0 "$gif"
    log "$gif: $count frames, $(stat -c %s "$gif") bytes"
done
