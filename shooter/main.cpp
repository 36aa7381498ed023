// Entry point of the shooter programs: the one global ShooterGame and its shell.
#include "program_main.h"
#include "shooter_game.h"

ShooterGame game;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return runProgramWith<ShooterGame, game>(instance, showCommand);
}
