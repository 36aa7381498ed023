// Entry point of shooter: the one global ShooterGame, in the shooter's look, and its shell.
#include "game/shooter_game.h"
#include "look/shooter_look.h"
#include "program_main.h"

ShooterGame game(shooterLook);

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return runProgramWith<ShooterGame, game>(instance, showCommand);
}
