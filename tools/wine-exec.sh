#!/usr/bin/env bash
# Runs a Windows program of either build under Wine: a 32-bit program under the 32-bit Wine, a
# 64-bit one under the 64-bit Wine. ctest uses it as the emulator of the test programs. Defaults
# suit the tests: the shared prefix, no Wine debug output, and the Russian locale so that the
# ANSI code page is Windows-1251.
#     tools/wine-exec.sh PROGRAM.exe [ARGUMENTS...]
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
export WINEPREFIX="${WINEPREFIX:-$SHARED_PREFIX}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export LC_ALL=ru_RU.UTF-8
exec "$(wine_loader "$1")" "$@"
