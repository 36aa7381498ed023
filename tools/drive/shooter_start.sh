# The shooter's start, for tools/drive/drive.sh: fills in its options dialog as a user would,
# answers the help box and finds the game window, and works out where the arena and the panel
# lie for the window size given.

# start_shooter EXE WIDTH HEIGHT [click]: starts a shooter program, gives its options dialog the
# window size (see fill_options_dialog), answers the help box that opens before the game window
# and sets GAME to that window. Sets where the world build puts the arena and the panel for the
# size, from the world builder's sizes in the build_info.sh of the program's build: ARENA_SIZE,
# ARENA_X, ARENA_Y (the arena's square, centred in the view left of the panel) and PANEL_X.
start_shooter() {
    local info panel_width=""
    info="$(dirname "$1")/../build_info.sh"
    read -r ARENA_SIZE panel_width < <(source "$info" && echo "$SHOOTER_ARENA_SIZE $SHOOTER_PANEL_WIDTH") ||
        give_up "no world sizes in $info"
    start_program "$1"
    fill_options_dialog "$2" "$3" "${4:-tab}"
    dismiss_box help 15 || give_up "no help box at start-up, or it did not close on Return"
    GAME=$(wait_for_window '^Game$' 15) || give_up "no game window after the help box"
    ARENA_X=$((($2 - ARENA_SIZE - panel_width) / 2)) ARENA_Y=$((($3 - ARENA_SIZE) / 2))
    PANEL_X=$(($2 - panel_width))
}

# options_dialog: waits for the shooter's options dialog, sets DIALOG to it and reads where its
# controls lie (window_layout).
options_dialog() {
    DIALOG=$(wait_for_window '^Option Window$') || give_up "no options dialog"
    window_layout "$DIALOG"
}

# fill_options_dialog WIDTH HEIGHT [click]: fills in the shooter's options dialog as a user
# would and accepts it. Each field is entered with Tab, which selects its text, and the dialog
# accepted with Return; or with "click" by a click into the field and End, Shift+Home, and
# the dialog accepted with a click on OK. The text typed replaces the selection. A size "keep"
# leaves that field's text alone; an empty size empties the field.
fill_options_dialog() {
    local width=$1 height=$2 how=${3:-tab}
    options_dialog
    focus "$DIALOG" || give_up "the options dialog did not take the keyboard"
    # OK has the focus: Tab, Tab reaches the height field, the upper one, and Tab again the
    # width field below it.
    if [ "$how" = tab ]; then xdotool key Tab Tab; fi
    enter_field "$how" $HEIGHT_FIELD "$height"
    if [ "$how" = tab ]; then xdotool key Tab; fi
    enter_field "$how" $WIDTH_FIELD "$width"
    if [ "$how" = click ]; then
        click_control "$DIALOG" $OK_BUTTON
    else
        press "$DIALOG" Return || give_up "the options dialog did not take the keyboard for Return"
    fi
}

# enter_field HOW FIELD TEXT: replaces the text of the options dialog's field (which has the
# focus already when HOW is tab).
enter_field() {
    [ "$3" != keep ] || return 0
    if [ "$1" = click ]; then
        click_control "$DIALOG" "$2"
        # grep reads all of it: one that stopped at the match could fail the pipe (pipefail).
        field_has_focus() { probe foreground | grep -x "focus $1" >/dev/null; }
        wait_until 10 field_has_focus "$2" || give_up "the field $2 did not take the focus on a click"
        xdotool key End shift+Home
    fi
    xdotool key Delete
    if [ -n "$3" ]; then xdotool type --delay 20 -- "$3"; fi
}
