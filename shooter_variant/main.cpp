// Entry point of shooter_variant: the one global ShooterGame, in the variant's look, and its
// shell.
#include "game/shooter_game.h"
#include "program_main.h"
#include "variant_look.h"

ShooterGame game(variantLook);

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return runProgramWith<ShooterGame, game>(instance, showCommand);
}
