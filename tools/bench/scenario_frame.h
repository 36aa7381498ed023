// A scenario's frame: the scripted input and the scene's tick that the scenario driver plays on
// a stage (tools/harness/stage.h), one frame at a time.
#pragma once

#include "stage.h"

#include <functional>

// Plays frame frameIndex of a scenario (counting from 0): its scripted input and one tick of the
// scene's renderFrame into target.
using FrameDrawer = std::function<void(HDC target, int frameIndex)>;

// One frame of a scenario on the stage's surface; an empty drawer is an empty scene.
inline void drawScenarioFrame(Stage<>& stage, const FrameDrawer& draw, int frameIndex) {
    stage.frame([&](HDC target) {
        if (draw) {
            draw(target, frameIndex);
        }
    });
}
