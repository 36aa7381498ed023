// Entry point of shooter_variant: the one global ShooterGame, built from the variant's record,
// and its shell.
#include "game/shooter_game.h"
#include "program_main.h"
#include "variant_program.h"

ShooterGame game(variantProgram);

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return runProgramWith<ShooterGame, game>(instance, showCommand);
}
