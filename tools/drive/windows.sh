# The driven program's windows, for tools/drive/drive.sh: finds them and waits for them, gives
# one the keyboard and presses keys in it, clicks its controls, answers message boxes, and asks
# Windows (window_probe, built beside the programs) where a window's parts lie and what they read.

# probe ARGUMENTS...: asks Windows about windows and texts (window_probe.cpp).
probe() { "$REPO_ROOT/tools/wine-exec.sh" "$PROBE" "$@" 2>>"$WORK_DIR/stderr.txt" | tr -d '\r'; }

# window_layout WINDOW: where the window's client area and its controls lie, relative to the
# window's top-left corner (where the coordinates of xdotool and of a window's screenshot
# start), as Windows itself reports them. Sets CLIENT and CONTROLS[ID] to "X Y WIDTH HEIGHT",
# and TEXTS to the controls' texts as characters (line breaks written \n and \r).
# X may report a new window's place before Windows has put the window there: the question is
# asked again, with the place X reports then, until Windows knows a window there.
window_layout() {
    local x="" y="" width="" height=""
    layout_known() {
        local kind rest
        read -r x y width height < <(xdotool getwindowgeometry "$1" |
            sed -n 's/.*Position: \(-\?[0-9]*\),\(-\?[0-9]*\).*/\1 \2/p; s/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p' |
            paste -sd' ')
        CLIENT="" CONTROLS=() TEXTS=()
        while read -r kind rest; do
            case "$kind" in
            client) CLIENT=$rest ;;
            control) CONTROLS[${rest%% *}]=${rest#* } ;;
            text) TEXTS+=("$(sed 's/^[^ ]* \?//' <<<"$rest")") ;;
            esac
        done < <(probe window "$x" "$y" "$width" "$height")
        [ -n "$CLIENT" ]
    }
    wait_until 10 layout_known "$1" || give_up "Windows knows no window at ($x, $y) ${width}x$height"
}

# window_reads TEXT: whether one of the controls window_layout last read shows TEXT.
window_reads() {
    local text
    for text in "${TEXTS[@]}"; do
        if [ "$text" = "$1" ]; then return 0; fi
    done
    return 1
}

# find_window TITLE: prints the id of the first of those windows; fails when there is none.
find_window() {
    local id
    id=$(program_windows "$1" | head -n 1)
    [ -n "$id" ] && echo "$id"
}

# wait_for_window TITLE [SECONDS]: the same, waiting for the window to show.
wait_for_window() {
    local deadline=$((SECONDS + ${2:-30} * WAIT_FACTOR))
    while [ $SECONDS -lt $deadline ] && program_running; do
        find_window "$1" && return 0
        sleep 0.2
    done
    return 1
}

# focus WINDOW: gives the window the keyboard focus and waits until Windows sends the keyboard
# to it: X gives the focus at once, but Wine hands it to the window a little later (after a box
# closes, say), and a key pressed in between reaches another window or none. A window that
# cannot take it (it is gone, or a modal box holds it) fails instead of hanging the script.
focus() {
    local title
    title=$(xdotool getwindowname "$1") && timeout 10 xdotool windowfocus --sync "$1" || return 1
    foreground_is() { [ "$(probe foreground | head -n 1)" = "foreground $1" ]; }
    wait_until 10 foreground_is "$title"
}

# press WINDOW KEYS...: focuses the window, then types the keys.
press() { focus "$1" && xdotool key "${@:2}"; }

# click_control WINDOW ID: a click into the middle of one of the window's controls, as
# window_layout last found them.
click_control() {
    local x y width height
    read -r x y width height <<<"${CONTROLS[$2]:-}"
    [ -n "$height" ] || give_up "no control $2 in the window"
    xdotool mousemove --window "$1" $((x + width / 2)) $((y + height / 2)) click 1
}

# dismiss_box TITLE [SECONDS]: presses Return on a message box with that title, if one opens,
# and waits until the box has gone.
dismiss_box() {
    local box
    box=$(wait_for_window "^$1\$" "${2:-10}") || return 1
    press "$box" Return || return 1
    box_gone() { [ -z "$(program_windows "^$1\$")" ]; }
    wait_until 10 box_gone "$1"
}
