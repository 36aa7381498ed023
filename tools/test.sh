#!/usr/bin/env bash
# Installs what is missing, builds the 32-bit (shipping) and the 64-bit programs with warnings as
# errors, makes and checks both release archives, checks that a second 32-bit build in another
# folder gives the same bytes, and runs the whole test suite under Wine on a virtual display.
# Ends with the ctest summary. Run as root on a fresh Debian 12 machine, from anywhere:
#     tools/test.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$REPO_ROOT"

ensure_packages
ensure_locale

log "building the 32-bit programs (preset win32)"
build_preset win32 -DWARNINGS_AS_ERRORS=ON

log "building the 64-bit programs and tests (preset win64)"
build_preset win64 -DWARNINGS_AS_ERRORS=ON

log "making and checking the release archives"
tools/release.sh
tools/check_release.sh build/win32
tools/check_release.sh build/win64

log "building the 32-bit release again in another folder"
tools/check_reproducible.sh win32 -DWARNINGS_AS_ERRORS=ON

ensure_display
trap 'stop_wine; stop_display' EXIT
prepare_wine_prefix "$REPO_ROOT/build/win64/wineprefix"

log "running the tests"
ctest --preset win64 -j "$(nproc)"
