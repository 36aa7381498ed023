#!/usr/bin/env bash
# Checks that a preset's build is reproducible: builds its programs and release archive a second
# time from the same sources in another folder (build/PRESET-again, from scratch, without the
# tests) and compares every program and the archive byte for byte with those of the first
# build, which must have made its archive already (tools/release.sh).
#     tools/check_reproducible.sh PRESET [CMAKE_OPTIONS...]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$REPO_ROOT"
preset=${1:?usage: $0 PRESET [CMAKE_OPTIONS...]}
shift
first=build/$preset
second=build/$preset-again

rm -rf "$second"
cmake --preset "$preset" -B "$second" -DBUILD_TESTING=OFF "$@" >/dev/null
cmake --build "$second" -j "$(nproc)" --target release_archive >/dev/null

source "$first/build_info.sh"
files=("${PROGRAMS[@]/#/bin/}")
files=("${files[@]/%/.exe}" "$RELEASE_ARCHIVE")
differ=()
for file in "${files[@]}"; do
    cmp -s "$first/$file" "$second/$file" || differ+=("$file")
done
if [ ${#differ[@]} -gt 0 ]; then
    echo "not reproducible: $first and $second differ in ${differ[*]}" >&2
    exit 1
fi
echo "reproducible: $first and $second give the same bytes in ${#files[@]} files" \
     "($RELEASE_ARCHIVE $(sha256sum "$first/$RELEASE_ARCHIVE" | cut -c1-16)...)"
