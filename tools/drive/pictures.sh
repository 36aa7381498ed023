# Screenshots of the driven program's windows, for tools/drive/drive.sh: takes them, asks about
# their pixels (pixels.py) and about texts drawn as Windows draws them, and waits for new frames.

# shot FILE [WINDOW]: a screenshot of one window, or of the whole screen. A name ending in
# .ppm gives a binary PPM, which is quicker to write and to read than a PNG.
shot() {
    import -window "${2:-root}" -depth 8 "$1"
    LAST_SHOT=$1
}

# pixels FILE QUERY...: answers questions about a screenshot's pixels, one line each (see
# pixels.py: color, count, find, bbox, same).
pixels() { python3 "$DRIVE_DIR/pixels.py" "$@"; }

# text_shows FILE X Y TEXT: whether the screenshot shows TEXT written at (X, Y) in the default
# font and colours (black on an opaque white ground), pixel for pixel as Windows writes it.
text_shows() {
    local picture="$WORK_DIR/text-${#4}-$(printf '%s' "$4" | md5sum | cut -c1-12).ppm"
    [ -s "$picture" ] || probe text "$4" >"$picture"
    [ "$(pixels "$1" same "$2" "$3" "$picture")" = yes ]
}

# status_line_shows FILE [WINDOW [X Y]]: takes a screenshot; whether the status line "error:
# P=..." begins at the client area's top-left corner, at (X, Y) of the screenshot (0, 0 by
# default).
status_line_shows() {
    shot "$1" "${2:-root}"
    text_shows "$1" "${3:-0}" "${4:-0}" "error: P="
}

# new_frames WINDOW FILE [COUNT]: takes screenshots of the window until its picture has changed
# COUNT times (the status line changes with every frame painted), leaving the last in FILE.
# Gives up when a new picture takes more than 10 s (times WAIT_FACTOR).
new_frames() {
    local window=$1 file=$2 count=${3:-1} previous="$WORK_DIR/previous.${2##*.}"
    shot "$file" "$window"
    picture_changed() { shot "$file" "$window" && ! cmp -s "$file" "$previous"; }
    while [ "$count" -gt 0 ]; do
        cp "$file" "$previous"
        wait_until 10 picture_changed || give_up "the window's picture did not change ($count more frames awaited)"
        count=$((count - 1))
    done
}
