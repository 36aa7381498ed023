#!/usr/bin/env bash
# Makes the two release archives, each with the programs and the read-me: builds the 32-bit
# programs into build/win32/arena-programs-x86.zip and the 64-bit ones into
# build/win64/arena-programs-x64.zip, and prints their SHA-256. Two runs on the same commit, in
# any two folders, print the same sums.
#     tools/release.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$REPO_ROOT"
ensure_packages

archives=()
for preset in win32 win64; do
    log "building the release archive of preset $preset"
    # A build folder that is already configured (the test command's) keeps its settings.
    [ -f "build/$preset/CMakeCache.txt" ] || cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)" --target release_archive
    archives+=("build/$preset/$(source "build/$preset/build_info.sh" && echo "$RELEASE_ARCHIVE")")
done
sha256sum "${archives[@]}"
