// A scenario's frame in the engine's frame steps.
#include "scenario_stage.h"

#include "frame_steps.h"

void drawScenarioFrame(const ScenarioStage& stage, const FrameDrawer& draw, int frameIndex) {
    drawSceneFrame(stage.surface.dc(), stage.surface.area(), [&](HDC target) {
        if (draw) {
            draw(target, frameIndex);
        }
    });
}
