// Entry point of shooter: the one global ShooterGame, built from the shooter's record, and its
// shell.
#include "game/shooter_game.h"
#include "game/shooter_program.h"
#include "program_main.h"

ShooterGame game(shooterProgram);

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return runProgramWith<ShooterGame, game>(instance, showCommand);
}
