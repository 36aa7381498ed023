// Entry point of ball_toss: the one global scene object and its shell.
#include "ball_toss/ball_toss_scene.h"
#include "program_main.h"

BallTossScene scene;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return runProgramWith<BallTossScene, scene>(instance, showCommand);
}
