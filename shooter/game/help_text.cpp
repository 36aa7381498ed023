// The help box's seven lines, each but the last ended by a line feed and a carriage return.
#include "game/help_text.h"

const char helpText[] = "нажмите ESC, чтобы выйти из приложения,\n\r"
                        "нажмите PAUSE, чтобы времено приостановить работу приложения\n\r"
                        "нажмите F1, для вызова справки\n\r"
                        "нажмите F2, чтобы начать игру заново\n\r"
                        "управление персонажем с помощью крестика,\n\r"
                        " на левую кнопку мыши стрелать\n\r"
                        "на правую кнопку мыши выбирать оружие";
