#!/usr/bin/env bash
# Checks the release archive: exactly the five programs and the read-me, each program a 32-bit
# GUI executable that imports nothing but Windows' own DLLs.
#     tools/check_release.sh build/win32/arena-programs-x86.zip
set -euo pipefail
archive=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
unzip -q "$archive" -d "$unpacked"
expected="README.txt ball_repel.exe ball_toss.exe rope_chase.exe shooter.exe shooter_variant.exe"
found=$(cd "$unpacked" && find . -type f | sed 's|^\./||' | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')
if [ "$found" != "$expected" ]; then
    echo "the archive holds: $found; expected: $expected" >&2
    exit 1
fi
"$here/check_executables.sh" "$unpacked" pe32
echo "checked: $(basename "$archive") holds the five 32-bit programs and README.txt"
