#!/usr/bin/env bash
# The shooter's Russian texts read as written on a Russian system and on an English one (Wine
# under ru_RU.UTF-8, code page 1251 for non-Unicode programs, then under en_US.UTF-8, 1252): the
# options dialog's labels and the start-up help box's text, read back from their controls as
# characters, and the texts drawn on the frame, as the shooter's unit tests record them.
#     shooter_texts_system.sh SHOOTER_EXE SHOOTER_TESTS_EXE
set -euo pipefail
source "$(dirname "$0")/../system/lib.sh"
start_driving
exe=$1 unit_tests=$2
help='нажмите ESC, чтобы выйти из приложения,\n\rнажмите PAUSE, чтобы времено приостановить работу приложения\n\rнажмите F1, для вызова справки\n\rнажмите F2, чтобы начать игру заново\n\rуправление персонажем с помощью крестика,\n\r на левую кнопку мыши стрелать\n\rна правую кнопку мыши выбирать оружие'

for WINE_LOCALE in ru_RU.UTF-8 en_US.UTF-8; do
    export WINE_LOCALE
    "$REPO_ROOT/tools/wine-exec.sh" "$unit_tests" --gtest_filter='RussianTexts.*:EndTexts.*' \
        >"$WORK_DIR/unit.txt" 2>&1 || { cat "$WORK_DIR/unit.txt"; fail "$WINE_LOCALE: drawn texts"; }
    start_program "$exe"
    options_dialog
    window_reads 'Высота окна:' && window_reads 'Ширина окна:' || fail "$WINE_LOCALE: the dialog reads ${TEXTS[*]}"
    press "$DIALOG" Return || fail "$WINE_LOCALE: the dialog did not take the keyboard"
    box=$(wait_for_window '^help$' 15) || fail "$WINE_LOCALE: no help box"
    window_layout "$box"
    window_reads "$help" || fail "$WINE_LOCALE: the help box reads ${TEXTS[*]}"
    press "$box" Return || fail "$WINE_LOCALE: the help box did not take the keyboard"
    game=$(wait_for_window '^Game$' 15) || fail "$WINE_LOCALE: no game window after the help box"
    close_with "$game" Escape
    echo "ok: $WINE_LOCALE: the dialog's labels, the help text and the drawn texts read as written"
done
echo "PASS: the shooter's texts read the same under a Russian and an English locale"
