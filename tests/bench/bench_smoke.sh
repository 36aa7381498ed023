#!/usr/bin/env bash
# Runs bench.exe --smoke --csv and checks the result: the run succeeded (every scenario drew
# frames and returned its counted GDI objects) and the CSV has its header and one row per
# scenario: the two floors, the three demonstration scenarios and sixteen per shooter program.
#     bench_smoke.sh BENCH.exe CSV SHOOTER_BUILD...
set -euo pipefail
bench=$1
csv=$2
shift 2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
rm -f "$csv"
failed=0
fail() { echo "FAIL: $*"; failed=1; }

"$here/../../tools/wine-exec.sh" --hold-stderr "$bench" --smoke --csv "$csv" || fail "bench.exe --smoke exited with $?"
[ -f "$csv" ] || { echo "FAIL: no CSV written"; exit 1; }
tr -d '\r' <"$csv" >"$csv.txt"

header='scenario,width,height,frames,p50_ms,p99_ms,max_ms,p50_vs_floor,p99_vs_floor,peak_objects,peak_gdi_objects'
[ "$(head -n 1 "$csv.txt")" = "$header" ] || fail "CSV header is '$(head -n 1 "$csv.txt")'"

# rows PATTERN EXPECTED: the number of rows whose scenario matches PATTERN.
rows() {
    local found
    found=$(tail -n +2 "$csv.txt" | grep -c -E "$1" || true)
    [ "$found" -eq "$2" ] || fail "$2 rows matching '$1' expected, $found found"
}
rows '^floor,1920,1080,' 1
rows '^floor,800,600,' 1
rows '^ball_toss: ' 1
rows '^ball_repel: ' 1
rows '^rope_chase: ' 1
expected=5
for build in "$@"; do
    rows "^$build: [^,]*,1920,1080," 8
    rows "^$build: [^,]*,800,600," 8
    expected=$((expected + 16))
done
rows '.' "$expected"
# Every row drew frames.
if tail -n +2 "$csv.txt" | awk -F, '$4 <= 0 { bad = 1 } END { exit !bad }'; then
    fail "a scenario drew no frames"
fi
exit $failed
