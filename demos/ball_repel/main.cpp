// Entry point of ball_repel: the one global scene object and its shell.
#include "demo_scene.h"
#include "program_main.h"

DemoScene scene;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return runProgramWith<DemoScene, scene>(instance, showCommand);
}
