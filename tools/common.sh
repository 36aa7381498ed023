# Shared shell functions of the project's scripts: packages, the Cyrillic locale, an X display
# and the Wine prefix the 32-bit and the 64-bit programs share. Source it; do not run it.

REPO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# Wine's two loaders: 64-bit programs run under wine64, 32-bit ones under wine (Debian's
# wine32:i386), both in one 64-bit prefix that has syswow64.
WINE64=/usr/lib/wine/wine64
WINE32=/usr/lib/wine/wine
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
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    log "installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "missing packages (${missing[*]}); run this script as root to install them" >&2
        return 1
    fi
    # The 32-bit Wine comes from Debian's i386 architecture.
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
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
        locale -a 2>/dev/null | grep -qi "^$name\.utf-\?8\$" && continue
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
STARTED_XVFB_PID=""
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

# Whether this machine runs 32-bit programs: some kernels refuse 32-bit executables ("Exec
# format error"), and then the 32-bit Wine cannot start at all. Sets WHY_NO_32BIT when not.
WHY_NO_32BIT=""
can_run_32bit() {
    local answer
    if [ ! -x "$WINE32" ]; then
        WHY_NO_32BIT="the 32-bit Wine ($WINE32, package wine32:i386) is not installed"
        return 1
    fi
    if ! answer=$("$WINE32" --version 2>&1); then
        WHY_NO_32BIT="this machine cannot run 32-bit programs: $WINE32 --version: $answer"
        return 1
    fi
}

# wine_loader EXE: prints the Wine loader for a Windows program, by the machine its PE header
# names: the 32-bit one for i386 (0x14c), the 64-bit one otherwise.
wine_loader() {
    local header machine
    header=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
    machine=$(od -An -tx2 -j$((header + 4)) -N2 "$1" | tr -d ' ')
    if [ "$machine" = 014c ]; then echo "$WINE32"; else echo "$WINE64"; fi
}

# prepare_wine_prefix PREFIX [win32]: sets up (once) and starts a Wine prefix: a persistent
# wineserver, no window-manager waits, no Mono/Gecko installers. By default a 64-bit prefix that
# runs the programs of both builds; "win32" makes a 32-bit-only one, what 32-bit Windows is.
prepare_wine_prefix() {
    export WINEPREFIX="$1"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    local loader=$WINE64
    if [ "${2:-}" = win32 ]; then
        export WINEARCH=win32
        loader=$WINE32
    else
        unset WINEARCH
        # A 64-bit prefix booted before the 32-bit Wine was installed has no syswow64 and
        # cannot run 32-bit programs; one whose first boot was cut short has no kernel32.
        if [ -d "$WINEPREFIX/drive_c" ] &&
            { { [ -x "$WINE32" ] && [ ! -d "$WINEPREFIX/drive_c/windows/syswow64" ]; } ||
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
    "$loader" wineboot -i >/dev/null 2>&1 || true
    "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 ||
        log "could not turn off Wine's window-manager mode: closing windows will be slow"
}

stop_wine() {
    [ -n "${WINEPREFIX:-}" ] && "$WINESERVER" -k 2>/dev/null || true
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
