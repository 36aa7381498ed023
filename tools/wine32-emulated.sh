#!/usr/bin/env bash
# Runs the 32-bit Wine under QEMU's user-mode emulator, for machines whose kernel refuses 32-bit
# programs (or when told to act as if it did): in a user and mount namespace of its own, whose
# own binfmt_misc hands every i386 ELF program to qemu-i386-static. So the loader and every
# 32-bit process that it or its children start run emulated, while the rest of the machine is
# left as it was, and the registration ends with the namespace's last process. Needs root and a
# kernel that gives a user namespace a binfmt_misc of its own (Linux 6.7 or later). The process
# id stays the one its caller started, as with the loader itself.
#     tools/wine32-emulated.sh ARGUMENTS...               the 32-bit Wine loader with ARGUMENTS
#     tools/wine32-emulated.sh --command COMMAND ARGS...  any command, such as the 64-bit Wine
#                                                         booting a prefix's 32-bit side
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
if [ "${1:-}" != --in-namespace ]; then
    exec unshare --user --map-root-user --mount -- "${BASH_SOURCE[0]}" --in-namespace "$@"
fi
shift
mount -t binfmt_misc binfmt_misc "$BINFMT_DIR"
register_qemu_i386
if [ "${1:-}" = --command ]; then
    shift
    exec "$@"
fi
exec "$WINE32_LOADER" "$@"
