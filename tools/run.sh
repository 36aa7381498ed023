#!/usr/bin/env bash
# Builds and starts one of the programs under Wine: the 64-bit build's under the 64-bit Wine, or
# with --x86 the 32-bit build's (the one most users download) under the 32-bit Wine.
#     tools/run.sh [PROGRAM] [--x86] [--screenshot SECONDS FILE.png] [--answer-dialogs] [--play]
# PROGRAM is one of the programs the build makes (build/win64/build_info.sh lists them);
# shooter by default.
# Without an X display a virtual one is started. --screenshot saves a PNG of the screen after
# SECONDS and then closes the program; --answer-dialogs accepts the shooter's options dialog
# with the screen's size and closes the help box, as a user would, so the game itself shows;
# --play moves the mouse in circles over the window and clicks now and then until the screenshot.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/drive/drive.sh"
cd "$REPO_ROOT"

program=shooter
preset=win64
delay=""
picture=""
answer=no
play=no
while [ $# -gt 0 ]; do
    case "$1" in
        --screenshot) delay=$2; picture=$(realpath -m "$3"); shift 3 ;;
        --answer-dialogs) answer=yes; shift ;;
        --play) play=yes; shift ;;
        --x86) preset=win32; shift ;;
        -*) echo "unknown argument: $1 (see the comment at the top of $0)" >&2; exit 2 ;;
        *) program=$1; shift ;;
    esac
done

ensure_packages
ensure_locale
cmake --preset "$preset" >/dev/null
source "build/$preset/build_info.sh"
if [[ " ${PROGRAMS[*]} " != *" $program "* ]]; then
    echo "unknown program: $program (the programs: ${PROGRAMS[*]})" >&2
    exit 2
fi
trap 'stop_wine; stop_display' EXIT
prepare_run "$preset"
start_driving
# prepare_run readied the shared prefix: its wineserver stops at the end too.
trap 'stop_driving; stop_wine' EXIT

exe="build/$preset/bin/$program.exe"
if runs_emulated "$exe"; then
    log "the 32-bit Wine runs under QEMU's emulator here: the program takes a minute or more to show"
fi
start_program "$exe"

if [ "$answer" = yes ] && is_shooter "$exe"; then
    dialog=$(wait_for_window '^Option Window$') || give_up "no options dialog"
    press "$dialog" Return || give_up "the options dialog did not take the keyboard"
    dismiss_box help 15 || log "no help box to close"
fi

# play SECONDS: circles the mouse over the window "Game", with a right and a left click on the
# way round, a step every tenth of a second.
play() {
    local window step x y
    window=$(wait_for_window '^Game$') || return 0
    for step in $(seq 0 $(($1 * 10 - 1))); do
        x=$(awk -v s="$step" 'BEGIN { printf "%d", 400 + 200 * cos(s / 4) }')
        y=$(awk -v s="$step" 'BEGIN { printf "%d", 300 + 150 * sin(s / 4) }')
        xdotool mousemove --window "$window" "$x" "$y"
        case $((step % 12)) in
            5) xdotool click 3 ;;
            11) xdotool click 1 ;;
        esac
        sleep 0.1
    done
}

if [ -n "$picture" ]; then
    if [ "$play" = yes ]; then
        play "$delay"
    else
        sleep "$delay"
    fi
    shot "$picture"
    log "screenshot saved to $picture"
    stop_program
    exit 0
fi
wait_for_exit 0
exit "$EXIT_CODE"
