// Entry point of rope_chase: the one global scene object and its shell.
#include "program_main.h"
#include "rope_chase/rope_chase_scene.h"

RopeChaseScene scene;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return runProgramWith<RopeChaseScene, scene>(instance, showCommand);
}
