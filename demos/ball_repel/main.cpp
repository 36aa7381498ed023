// Entry point of ball_repel: the one global scene object and its shell.
#include "ball_repel/ball_repel_scene.h"
#include "program_main.h"

BallRepelScene scene;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return runProgramWith<BallRepelScene, scene>(instance, showCommand);
}
