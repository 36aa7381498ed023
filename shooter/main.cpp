// Entry point of shooter: the one global ShooterGame, in the shooter's look, and its shell.
#include "program_main.h"
#include "shooter_game.h"
#include "shooter_look.h"

ShooterGame game(shooterLook);

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return runProgramWith<ShooterGame, game>(instance, showCommand);
}
