#!/usr/bin/env bash
# Checks a build's programs (the list that CMake wrote into BUILD_DIR/build_info.sh): they exist
# in DIR, are PE files of the build's machine with the GUI subsystem, and
# import nothing but Windows' own DLLs.
#   tools/check_executables.sh BUILD_DIR DIR
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR DIR}
bin=${2:?usage: $0 BUILD_DIR DIR}
source "$build/build_info.sh" || exit 2
case "$PE_FORMAT" in
    pe32) triplet=i686-w64-mingw32; magic='PE32 executable' ;;
    pe32+) triplet=x86_64-w64-mingw32; magic='PE32+ executable' ;;
esac
# DLL names compare without regard to case, as Windows does.
allowed='^(kernel32|user32|gdi32|winmm|msvcrt|advapi32|api-ms-win-[a-z0-9-]+)\.dll$'
status=0
for program in "${PROGRAMS[@]}"; do
    exe="$bin/$program.exe"
    if [ ! -f "$exe" ]; then
        echo "missing: $exe"; status=1; continue
    fi
    description=$(file -b "$exe")
    case "$description" in
        "$magic (GUI)"*) ;;
        *) echo "$exe: not a $magic GUI program: $description"; status=1 ;;
    esac
    while read -r dll; do
        if ! [[ "${dll,,}" =~ $allowed ]]; then
            echo "$exe: imports $dll, which Windows does not provide"; status=1
        fi
    done < <("$triplet-objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p')
done
[ $status -eq 0 ] &&
    echo "checked: ${#PROGRAMS[@]} $magic GUI programs importing only Windows' own DLLs ($bin)"
exit $status
