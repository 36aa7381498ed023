# Shared shell functions of the project's scripts: packages, the Cyrillic locale, an X display,
# the Wine prefix the 32-bit and the 64-bit programs share, and the one runner of a build's tests.
# Source it; do not run it. Sourcing defines functions and constants only (sourcing it again
# keeps what the first sourcing's functions started); its functions are written for scripts that
# run under set -euo pipefail (where a grep -q that stops reading at its match can fail the
# pipe that feeds it: the greps here read all their input).

REPO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# Wine's two loaders: 64-bit programs run under wine64, 32-bit ones under wine (Debian's
# wine32:i386), both in one 64-bit prefix that has syswow64. WINE32 is what starts the 32-bit
# loader: the loader itself, or, once can_run_32bit has chosen QEMU's user-mode emulator in a
# namespace of its own (ARENA_WINE32, passed on to every script this one starts), the launcher
# that runs it there.
WINE64=/usr/lib/wine/wine64
WINE32_LOADER=/usr/lib/wine/wine
WINE32=${ARENA_WINE32:-$WINE32_LOADER}
WINESERVER=/usr/lib/wine/wineserver
# The Wine prefix the scripts and the tests share, for the programs of both builds.
SHARED_PREFIX="$REPO_ROOT/build/wineprefix"
# The size and depth of every virtual display the scripts start.
DISPLAY_SCREEN=1920x1080x24

log() { printf '== %s\n' "$*" >&2; }

# Installs the Debian packages the build and the tests need, when any is missing.
ensure_packages() {
    local needed=(cmake make python3 googletest g++-mingw-w64-i686 g++-mingw-w64-x86-64
                  wine wine64 wine32:i386 fonts-wine xvfb xdotool x11-utils imagemagick locales
                  file zip unzip procps)
    local missing=()
    local package
    for package in "${needed[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep 'install ok installed' >/dev/null ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    log "installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "missing packages (${missing[*]}); run this script as root to install them" >&2
        return 1
    fi
    # The 32-bit Wine comes from Debian's i386 architecture.
    dpkg --print-foreign-architectures | grep -x i386 >/dev/null || dpkg --add-architecture i386
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Wine takes its code page for non-Unicode programs from the locale, and writes Cyrillic to X
# only when the host has the locale. The programs run under the Russian one (code page 1251), or
# the one WINE_LOCALE names; the tests also run them under the English one (1252), where the
# texts must read the same.
ensure_locale() {
    local name
    for name in ru_RU en_US; do
        locale -a 2>/dev/null | grep -i "^$name\.utf-\?8\$" >/dev/null && continue
        if [ "$(id -u)" -eq 0 ]; then
            localedef -i $name -f UTF-8 $name.UTF-8 2>/dev/null || true
        else
            # A private folder of locales hides the system's: it gets both.
            mkdir -p "$REPO_ROOT/build/locale"
            localedef -i ru_RU -f UTF-8 "$REPO_ROOT/build/locale/ru_RU.UTF-8" 2>/dev/null || true
            localedef -i en_US -f UTF-8 "$REPO_ROOT/build/locale/en_US.UTF-8" 2>/dev/null || true
            export LOCPATH="$REPO_ROOT/build/locale"
            break
        fi
    done
    export LC_ALL="${WINE_LOCALE:-ru_RU.UTF-8}"
}

# Starts a virtual X display of DISPLAY_SCREEN of our own, whatever DISPLAY the caller has, so
# that the tests see the same screen on every machine (a real desktop of another size, or one
# with a window manager, would change what they measure).
STARTED_XVFB_PID=${STARTED_XVFB_PID:-}
start_display() {
    local number
    for number in $(seq 90 140); do
        [ -e "/tmp/.X${number}-lock" ] && continue
        Xvfb ":$number" -screen 0 "$DISPLAY_SCREEN" -nolisten tcp >/dev/null 2>&1 &
        STARTED_XVFB_PID=$!
        export DISPLAY=":$number"
        local tries
        for tries in $(seq 1 100); do
            xdpyinfo >/dev/null 2>&1 && { log "virtual display $DISPLAY ($DISPLAY_SCREEN)"; return 0; }
            kill -0 "$STARTED_XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
    done
    echo "cannot start a virtual X display" >&2
    return 1
}

# Uses the caller's X display when there is one to talk to (to look at a program), else starts
# a virtual one.
ensure_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return 0
    fi
    start_display
}

# Whether this machine runs 32-bit programs, and how. Some kernels refuse 32-bit executables
# ("Exec format error"); there QEMU's user-mode emulator runs the 32-bit Wine instead, about a
# minute of CPU for each process to start: enough for a smoke of the 32-bit build, too slow for
# the whole suite, and the engine's thread storms kill the emulator. ARENA_FORCE_QEMU_32BIT=1
# takes the emulated way even where the kernel runs 32-bit programs, to try it out. Sets and
# exports ARENA_32BIT (native, emulated or none, so that the scripts this one starts ask no
# more), WHY_NO_32BIT when none. The probes run under LC_ALL=C: their messages are the reason
# printed.
WHY_NO_32BIT=${WHY_NO_32BIT:-}
can_run_32bit() {
    case "${ARENA_32BIT:-}" in
    native | emulated) return 0 ;;
    none)
        WHY_NO_32BIT=$ARENA_WHY_NO_32BIT
        return 1
        ;;
    esac
    local answer
    if [ ! -x "$WINE32_LOADER" ]; then
        WHY_NO_32BIT="the 32-bit Wine ($WINE32_LOADER, package wine32:i386) is not installed"
    elif [ "${ARENA_FORCE_QEMU_32BIT:-}" = 1 ]; then
        WHY_NO_32BIT="ARENA_FORCE_QEMU_32BIT=1 asks for QEMU's emulator"
        start_32bit_emulation
    elif answer=$(LC_ALL=C "$WINE32_LOADER" --version 2>&1); then
        # A machine that already hands i386 programs to an emulator through binfmt_misc runs
        # them, but slowly.
        if i386_binfmt_handler >/dev/null; then ARENA_32BIT=emulated; else ARENA_32BIT=native; fi
    else
        WHY_NO_32BIT="this machine cannot run 32-bit programs: $WINE32_LOADER --version: $answer"
        start_32bit_emulation
    fi
    if [ -z "${ARENA_32BIT:-}" ]; then
        ARENA_32BIT=none
        export ARENA_WHY_NO_32BIT=$WHY_NO_32BIT
    fi
    export ARENA_32BIT
    [ "$ARENA_32BIT" != none ]
}

# The binfmt_misc registration that hands i386 ELF programs (executables and shared objects) to
# QEMU's user-mode emulator. Flags: P keeps the program's argv[0], O and C let it run programs
# the caller may only execute, and F opens the emulator at registration, so that it is found in
# any mount namespace.
BINFMT_DIR=/proc/sys/fs/binfmt_misc
QEMU_I386=/usr/bin/qemu-i386-static
QEMU_I386_BINFMT=":qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:$QEMU_I386:POCF"
register_qemu_i386() { printf '%s\n' "$QEMU_I386_BINFMT" >"$BINFMT_DIR/register"; }

# i386_binfmt_handler: prints the emulator of an enabled binfmt_misc entry for i386 ELF
# programs, if the machine has one; binfmt_misc comes before the kernel's own ELF loader.
i386_binfmt_handler() {
    local entry
    grep -qx enabled "$BINFMT_DIR/status" 2>/dev/null || return 1
    for entry in "$BINFMT_DIR"/*; do
        grep -qx enabled "$entry" 2>/dev/null &&
            grep -qx 'magic 7f454c4601010100000000000000000002000300' "$entry" &&
            { sed -n 's/^interpreter //p' "$entry"; return 0; }
    done
    return 1
}

# start_32bit_emulation: installs qemu-user-static if needed and sets ARENA_32BIT to emulated
# once the 32-bit Wine starts under it; else leaves it unset and adds to WHY_NO_32BIT (why the
# kernel's own way was not taken) what kept the emulator from it. The first choice is a user
# and mount namespace with a binfmt_misc of its own for each 32-bit process
# (tools/wine32-emulated.sh): the rest of the machine is left as it was. Where the kernel gives
# a namespace no binfmt_misc of its own, and only where it refuses 32-bit programs, QEMU is
# registered for the whole machine (binfmt_misc mounted first if need be), and stop_wine takes
# the registration back.
REGISTERED_QEMU_I386=${REGISTERED_QEMU_I386:-no}
start_32bit_emulation() {
    local launcher="$REPO_ROOT/tools/wine32-emulated.sh" tried
    if [ "$(id -u)" -ne 0 ]; then
        WHY_NO_32BIT+="; QEMU's emulator is set up only by root"
        return 1
    fi
    if [ ! -x "$QEMU_I386" ]; then
        # Without recommends: binfmt-support would register QEMU for the whole machine.
        log "installing QEMU's user-mode emulator (qemu-user-static) for the 32-bit Wine"
        apt-get update -qq >/dev/null 2>&1 || true
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            qemu-user-static >/dev/null 2>&1 || true
    fi
    if [ ! -x "$QEMU_I386" ]; then
        WHY_NO_32BIT+="; qemu-user-static could not be installed"
        return 1
    fi
    if tried=$(LC_ALL=C "$launcher" --version 2>&1); then
        export ARENA_WINE32=$launcher
        WINE32=$launcher
        ARENA_32BIT=emulated
        return 0
    fi
    if [ "${ARENA_FORCE_QEMU_32BIT:-}" = 1 ]; then
        # A machine-wide registration would send every 32-bit program of the machine through
        # the emulator, the other users' too.
        WHY_NO_32BIT+="; QEMU's emulator in a namespace of its own: $tried"
        return 1
    fi
    [ -e "$BINFMT_DIR/register" ] || mount -t binfmt_misc binfmt_misc "$BINFMT_DIR" 2>/dev/null || true
    if ! i386_binfmt_handler >/dev/null; then
        register_qemu_i386 2>/dev/null && REGISTERED_QEMU_I386=yes
    fi
    if tried=$(LC_ALL=C "$WINE32_LOADER" --version 2>&1); then
        ARENA_32BIT=emulated
        return 0
    fi
    stop_32bit_emulation
    WHY_NO_32BIT+="; under QEMU's emulator: $tried"
    return 1
}

# stop_32bit_emulation: takes back a machine-wide registration of QEMU that this script made.
stop_32bit_emulation() {
    if [ $REGISTERED_QEMU_I386 = yes ]; then
        echo -1 >"$BINFMT_DIR/qemu-i386" || true
        REGISTERED_QEMU_I386=no
    fi
}

# runs_emulated EXE: whether the Windows program runs under QEMU's emulator here.
runs_emulated() { [ "${ARENA_32BIT:-}" = emulated ] && [ "$(wine_loader "$1")" = "$WINE32" ]; }

# wine_loader EXE: prints the Wine loader for a Windows program, by the machine its PE header
# names: the 32-bit one (WINE32) for i386 (0x14c), the 64-bit one otherwise.
wine_loader() {
    local header machine
    header=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
    machine=$(od -An -tx2 -j$((header + 4)) -N2 "$1" | tr -d ' ')
    if [ "$machine" = 014c ]; then echo "$WINE32"; else echo "$WINE64"; fi
}

# wine_could_not_start FILE: whether Wine's messages in FILE (a run's standard error) say that
# its loader failed before the program's first line: it could not map the shared user data page
# at its fixed address, because the host's address-space randomisation had already put something
# there. A second start gets another layout. Wine says so among the errors of its channel
# "virtual" (WINEDEBUG err+virtual or err+all).
wine_could_not_start() { grep -q 'failed to map the shared user data' "$1"; }

# wine_exec_log_dir: the folder of those records: WINE_EXEC_LOG_DIR (set per build by
# use_wine_exec_log), or build/wine-exec-log.
wine_exec_log_dir() { echo "${WINE_EXEC_LOG_DIR:-$REPO_ROOT/build/wine-exec-log}"; }

# record_wine_run DIR STATUS WHAT FILE: a record of one run under Wine, in a file of its own in
# DIR: the time, the exit code, WHAT, and the run's standard error with Wine's messages (FILE).
record_wine_run() {
    mkdir -p "$1"
    {
        echo "$(date -u '+%F %T') exit code $2, $3"
        sed 's/^/    /' "$4"
    } >"$1/$(date -u +%H%M%S)-$$-$RANDOM.txt"
}

# prepare_wine_prefix PREFIX [win32]: sets up (once) and starts a Wine prefix: a persistent
# wineserver, no window-manager waits, no Mono/Gecko installers. By default a 64-bit prefix that
# runs the programs of both builds; "win32" makes a 32-bit-only one, what 32-bit Windows is.
prepare_wine_prefix() {
    export WINEPREFIX="$1"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    local loader=("$WINE64")
    if [ "${2:-}" = win32 ]; then
        export WINEARCH=win32
        loader=("$WINE32")
    else
        unset WINEARCH
        local runs_32bit=no
        if can_run_32bit; then
            runs_32bit=yes
            # The 64-bit boot starts the 32-bit processes that fill syswow64: with the emulator
            # in a namespace of its own, they must start in one too.
            [ "$WINE32" = "$WINE32_LOADER" ] || loader=("$WINE32" --command "$WINE64")
        fi
        # A 64-bit prefix booted while this machine could not run the 32-bit Wine has no
        # syswow64 and cannot run 32-bit programs; one whose first boot was cut short has no
        # kernel32.
        if [ -d "$WINEPREFIX/drive_c" ] &&
            { { [ $runs_32bit = yes ] && [ ! -d "$WINEPREFIX/drive_c/windows/syswow64" ]; } ||
                [ ! -e "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ]; }; then
            log "booting the Wine prefix $WINEPREFIX anew (it cannot run both builds)"
            "$WINESERVER" -k 2>/dev/null || true
            rm -rf "$WINEPREFIX"
        fi
    fi
    mkdir -p "$WINEPREFIX"
    "$WINESERVER" -p || true
    # A prefix that is still being set up can make wineboot report failure; the reg call that
    # follows waits for the prefix either way.
    "${loader[@]}" wineboot -i >/dev/null 2>&1 || true
    "${loader[@]}" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 ||
        log "could not turn off Wine's window-manager mode: closing windows will be slow"
}

# stop_wine: ends the prefix's wineserver, and takes back QEMU's machine-wide registration if
# this script made it.
stop_wine() {
    [ -n "${WINEPREFIX:-}" ] && "$WINESERVER" -k 2>/dev/null || true
    stop_32bit_emulation
}

stop_display() {
    if [ -n "$STARTED_XVFB_PID" ]; then
        kill "$STARTED_XVFB_PID" 2>/dev/null || true
        STARTED_XVFB_PID=""
    fi
}

# prepare_run PRESET...: builds the presets and readies a display and the shared Wine prefix, once,
# for running their programs: the steps tools that run a program by hand share. The caller sets
# its own EXIT trap (stop_wine, stop_display and whatever else it must clean up).
prepare_run() {
    cd "$REPO_ROOT"
    ensure_packages
    ensure_locale
    local preset
    for preset in "$@"; do
        build_preset "$preset" >/dev/null
        if [ "$preset" = win32 ] && ! can_run_32bit; then
            echo "cannot run the 32-bit programs: $WHY_NO_32BIT" >&2
            return 1
        fi
    done
    ensure_display
    prepare_wine_prefix "$SHARED_PREFIX"
}

# Configures and builds one preset.
build_preset() {
    local preset=$1
    shift
    cmake --preset "$preset" "$@" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)"
}

# unit_test_programs BUILD_DIR [AREA]: prints the build's unit-test programs, one a line, as
# CMake listed them in build_info.sh; with AREA (a folder of the sources, such as engine,
# shooter_variant or demos/rope_chase), the program that tests that folder first: the one whose
# name, without "_tests", begins the folder's name.
unit_test_programs() {
    local programs program first=""
    programs=$(source "$1/build_info.sh" && printf '%s\n' "${UNIT_TEST_PROGRAMS[@]}")
    for program in $programs; do
        if [ -n "${2:-}" ] && [[ "$2" == "${program%_tests}"* ]]; then first=$program; fi
    done
    if [ -n "$first" ]; then echo "$first"; fi
    for program in $programs; do
        if [ "$program" != "$first" ]; then echo "$program"; fi
    done
}

# use_wine_exec_log BUILD_DIR: a test program that ends without printing anything leaves a
# record of its exit code, its standard error and Wine's error messages in BUILD_DIR/wine-exec-log
# (see tools/wine-exec.sh), emptied here so that it holds this run's records only.
use_wine_exec_log() {
    export WINE_EXEC_LOG_DIR="$1/wine-exec-log"
    rm -rf "$WINE_EXEC_LOG_DIR"
}

# run_suite BUILD_DIR OUTPUT: runs every test of a build that ctest knows, each once (a test that
# fails now and then is a fault to find, not to rerun), as many at a time as there are cores,
# its output shown and written to OUTPUT; returns whether all passed.
run_suite() {
    use_wine_exec_log "$1"
    ctest --test-dir "$1" --output-on-failure -j "$(nproc)" 2>&1 | tee "$2"
}

# run_until_failure BUILD_DIR OUTPUT [AREA]: the quickest way to a build's first failing test,
# its output appended to OUTPUT (so that it can follow a build's log there): each unit-test
# program of the build in one process that stops at its first failing test (the one that tests
# AREA first, see unit_test_programs), then ctest's tests not labelled unit (the layer check, the
# system tests, the benchmark's and the recorder's smoke runs) until one fails. Prints "passed",
# or what failed, and returns 0 either way. A program that hangs counts as failing, as in ctest.
run_until_failure() {
    local build=$1 output=$2 program failed
    use_wine_exec_log "$build"
    for program in $(unit_test_programs "$build" "${3:-}"); do
        if ! timeout 900 "$REPO_ROOT/tools/wine-exec.sh" --hold-stderr "$build/bin/$program.exe" \
            --gtest_fail_fast --gtest_brief=1 >>"$output" 2>&1; then
            failed=$(sed -n 's/^\[  FAILED  \] \([A-Za-z0-9_/.]*\).*/\1/p;T;q' "$output")
            echo "$program ${failed:-(crashed or hung)}"
            return 0
        fi
    done
    if ! timeout 1800 ctest --test-dir "$build" -LE '^unit$' --stop-on-failure --output-on-failure \
        >>"$output" 2>&1; then
        failed=$(sed -n 's/^ *[0-9]*\/[0-9]* Test *#[0-9]*: \([^ ]*\) .*\*\*\*.*/\1/p;T;q' "$output")
        echo "${failed:-a test run by ctest}"
        return 0
    fi
    echo passed
}
