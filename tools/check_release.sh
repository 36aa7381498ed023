#!/usr/bin/env bash
# Checks a build's release archive (BUILD_DIR/arena-programs-x86.zip or -x64.zip): exactly the
# build's programs and README.txt; each program a GUI executable of the build's machine that
# imports nothing but Windows' own DLLs and whose version resource names the product, the
# program and the project's version; the read-me names the version and the commit. With
# --start, every program of the unpacked archive is then started under the Wine of its kind until
# its first window shows (see first_window), and closed (on the display and in the Wine prefix
# the caller set up, or a virtual display and the shared prefix of its own).
#     tools/check_release.sh [--start] BUILD_DIR
set -euo pipefail
start=no
if [ "${1:-}" = --start ]; then
    start=yes
    shift
fi
build=${1:?usage: $0 [--start] BUILD_DIR}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$build/build_info.sh"
archive="$build/$RELEASE_ARCHIVE"
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
unzip -q "$archive" -d "$unpacked"

expected=$(printf '%s\n' README.txt "${PROGRAMS[@]/%/.exe}" | LC_ALL=C sort | tr '\n' ' ')
found=$(cd "$unpacked" && find . -type f | sed 's|^\./||' | LC_ALL=C sort | tr '\n' ' ')
if [ "$found" != "$expected" ]; then
    echo "$archive holds: $found; expected: $expected" >&2
    exit 1
fi
"$here/check_executables.sh" "$build" "$unpacked"
python3 "$here/version_info.py" --expect-version "$VERSION" --expect-product "$PRODUCT_NAME" \
    "$unpacked"/*.exe

# The commit as the archive writer describes it.
commit=$(python3 -c 'import sys; sys.path.insert(0, sys.argv[1])
from make_release_archive import describe_commit; print(describe_commit(sys.argv[2]))' \
    "$here" "$here/..")
for line in "Version $VERSION" "commit $commit"; do
    if ! grep -qF "$line" "$unpacked/README.txt"; then
        echo "$archive: README.txt does not say \"$line\"" >&2
        exit 1
    fi
done
echo "checked: $RELEASE_ARCHIVE holds the ${#PROGRAMS[@]} programs of version $VERSION and README.txt"

# first_window EXE: the program starts far enough to show its first window (the shooter's
# options dialog, or a demonstration program's window "Game"), and ends with exit code 0 when its
# window is closed with ESC: what a user who opens the archive sees first. A shooter goes on
# from its dialog, with the size the dialog offers, through the help box to a game window that
# draws frames.
first_window() {
    local exe=$1 window what="showed its first window"
    start_program "$exe"
    window=$(wait_for_window '^(Option Window|Game)$') ||
        give_up "$(basename "$exe") showed neither its options dialog nor its window Game"
    if is_shooter "$exe"; then
        press "$window" Return || give_up "$(basename "$exe")'s options dialog did not take the keyboard"
        dismiss_box help 15 || give_up "$(basename "$exe") showed no help box after its options dialog"
        window=$(wait_for_window '^Game$' 15) || give_up "no game window after the help box"
        # Two changes: the window's first paint alone could make one.
        new_frames "$window" "$WORK_DIR/frame.ppm" 2
        what="went through its options dialog and help box to drawn frames"
    fi
    close_with "$window" Escape
    echo "PASS: $(basename "$exe") $what and ended with exit code 0"
}

if [ $start = yes ]; then
    # In a shell of its own, whose exit stops what start_driving started.
    (
        source "$here/drive/drive.sh"
        start_driving
        WINDOW_PROBE="$(cd "$build" && pwd)/bin/window_probe.exe"
        for program in "${PROGRAMS[@]}"; do
            first_window "$unpacked/$program.exe"
        done
    )
    echo "checked: every program of $RELEASE_ARCHIVE starts and ends with exit code 0"
fi
