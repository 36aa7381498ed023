# What the system test scripts add to the tools' window driving (tools/drive/drive.sh, which
# starts the programs and drives them): the verdict fail and the screenshots a script keeps.
# Source it, then call start_driving.
#
# SYSTEM_SHOTS, when it names a folder, keeps screenshots there: those a script keeps with
# keep_shot, and the last one taken when a check fails.
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/drive/drive.sh"

fail() { give_up "$@"; }
on_give_up() { [ -z "$LAST_SHOT" ] || keep_shot "$LAST_SHOT" failure; }

# keep_shot FILE NAME: keeps a PNG copy of the screenshot as NAME.png in SYSTEM_SHOTS, if set.
keep_shot() {
    if [ -n "${SYSTEM_SHOTS:-}" ] && [ -e "$1" ]; then convert "$1" "$SYSTEM_SHOTS/$2.png"; fi
}
