#!/usr/bin/env bash
# Installs what is missing, builds the 32-bit (shipping) and the 64-bit programs with warnings as
# errors, checks the executables, and runs the whole test suite under Wine on a virtual display.
# Ends with the ctest summary. Run as root on a fresh Debian 12 machine, from anywhere:
#     tools/test.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$REPO_ROOT"

ensure_packages
ensure_locale

log "building the 32-bit programs (preset win32)"
build_preset win32 -DWARNINGS_AS_ERRORS=ON
tools/check_executables.sh build/win32/bin pe32
cmake --build --preset win32 --target package >/dev/null
tools/check_release.sh build/win32/arena-programs-x86.zip

log "building the 64-bit programs and tests (preset win64)"
build_preset win64 -DWARNINGS_AS_ERRORS=ON
tools/check_executables.sh build/win64/bin pe32+

ensure_display
trap 'stop_wine; stop_display' EXIT
prepare_wine_prefix "$REPO_ROOT/build/win64/wineprefix"

log "running the tests"
ctest --preset win64 -j "$(nproc)"
