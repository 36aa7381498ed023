#!/usr/bin/env bash
# Runs a Windows program of the 64-bit build under Wine; ctest uses it as the emulator of the
# test programs. Defaults suit the tests: the build's own prefix, no Wine debug output, and the
# Russian locale so that the ANSI code page is Windows-1251.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX="${WINEPREFIX:-$here/../build/win64/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export LC_ALL=ru_RU.UTF-8
exec /usr/lib/wine/wine64 "$@"
