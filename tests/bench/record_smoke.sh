#!/usr/bin/env bash
# Runs record.exe --smoke into a fresh folder and checks that every gallery loop wrote its first
# frames as 24-bit BMP files of its 800 x 600 surface.
#     record_smoke.sh RECORD.exe DIR PROGRAM...
set -euo pipefail
record=$1
dir=$2
shift 2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
rm -rf "$dir"
failed=0

status=0
"$here/../../tools/wine-exec.sh" --hold-stderr "$record" "$dir" --smoke || status=$?
[ $status -eq 0 ] || { echo "FAIL: record.exe --smoke exited with $status"; failed=1; }
# The headers' 54 bytes and 600 rows of 800 three-byte pixels.
expected=$((54 + 600 * 800 * 3))
for program in "$@"; do
    for frame in 000 001 002; do
        file="$dir/$program/$frame.bmp"
        size=$(stat -c %s "$file" 2>/dev/null || echo "no file")
        [ "$size" = "$expected" ] || { echo "FAIL: $file: $size, $expected bytes expected"; failed=1; }
    done
done
exit $failed
