# Shared shell functions of the project's scripts: packages, the Cyrillic locale, an X display
# and a Wine prefix per build tree. Source it; do not run it.

REPO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

log() { printf '== %s\n' "$*" >&2; }

# Installs the Debian packages the build and the tests need, when any is missing.
ensure_packages() {
    local needed=(cmake make python3 googletest g++-mingw-w64-i686 g++-mingw-w64-x86-64
                  wine wine64 fonts-wine xvfb xdotool x11-utils imagemagick locales file zip unzip)
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
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Wine shows the programs' Windows-1251 texts as Cyrillic only under a Russian locale, and
# writes Cyrillic window titles to X only when the host has that locale.
ensure_locale() {
    if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
        if [ "$(id -u)" -eq 0 ]; then
            localedef -i ru_RU -f UTF-8 ru_RU.UTF-8 2>/dev/null || true
        else
            mkdir -p "$REPO_ROOT/build/locale"
            localedef -i ru_RU -f UTF-8 "$REPO_ROOT/build/locale/ru_RU.UTF-8" 2>/dev/null || true
            export LOCPATH="$REPO_ROOT/build/locale"
        fi
    fi
    export LC_ALL=ru_RU.UTF-8
}

# Starts a virtual X display when there is none to talk to.
STARTED_XVFB_PID=""
ensure_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return 0
    fi
    local number
    for number in $(seq 90 120); do
        [ -e "/tmp/.X${number}-lock" ] && continue
        Xvfb ":$number" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
        STARTED_XVFB_PID=$!
        export DISPLAY=":$number"
        local tries
        for tries in $(seq 1 100); do
            xdpyinfo >/dev/null 2>&1 && { log "virtual display $DISPLAY"; return 0; }
            kill -0 "$STARTED_XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
    done
    echo "cannot start a virtual X display" >&2
    return 1
}

# Sets up (once) and starts the Wine prefix of a build tree: a persistent wineserver, no
# window-manager waits, no Mono/Gecko installers.
prepare_wine_prefix() {
    export WINEPREFIX="$1"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    mkdir -p "$WINEPREFIX"
    "$WINESERVER" -p || true
    # A prefix that is still being set up can make wineboot report failure; the reg call that
    # follows waits for the prefix either way.
    "$WINE64" wineboot -i >/dev/null 2>&1 || true
    "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 ||
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

# Builds the 64-bit preset and readies a display and the build's Wine prefix for running one of
# its programs: the steps tools that run a build/win64 program by hand share. The caller sets its
# own EXIT trap (stop_wine, stop_display and whatever else it must clean up).
prepare_win64_run() {
    cd "$REPO_ROOT"
    ensure_packages
    ensure_locale
    build_preset win64 >/dev/null
    ensure_display
    prepare_wine_prefix "$REPO_ROOT/build/win64/wineprefix"
}

# Configures and builds one preset.
build_preset() {
    local preset=$1
    shift
    cmake --preset "$preset" "$@" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)"
}
