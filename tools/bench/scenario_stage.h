// ScenarioStage: where the scenario driver plays a scene: a hidden window of the scenario's size
// that the scene attaches to, as the program's scene attaches to its window on WM_CREATE, and
// the off-screen surface of the same size that its frames are drawn on.
#pragma once

#include "hidden_window.h"
#include "offscreen_surface.h"

#include <functional>

struct ScenarioStage {
    ScenarioStage(int width, int height) : window(width, height), surface(width, height) {}

    HiddenWindow window;
    OffscreenSurface surface;
};

// Plays frame frameIndex of a scenario (counting from 0): its scripted input and one tick of the
// scene's renderFrame into target.
using FrameDrawer = std::function<void(HDC target, int frameIndex)>;

// One frame of a scenario on the stage's surface, in the engine's frame steps (frame_steps.h)
// around the drawer; an empty drawer is an empty scene.
void drawScenarioFrame(const ScenarioStage& stage, const FrameDrawer& draw, int frameIndex);
