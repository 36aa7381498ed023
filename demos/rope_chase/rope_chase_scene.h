// RopeChaseScene: the scene of rope_chase. Two ropes chase the mouse and a point 30 pixels
// right of and below it; every left-button press sets off a firework burst at the mouse.
#pragma once

#include "common/demo_scene.h"

class RopeChaseScene final : public DemoScene {
public:
    static constexpr int anchorOffset = 30;

    void onMouseMove(WPARAM, LPARAM lParam);
    void onLeftDown(WPARAM, LPARAM);

    // The second rope's anchor: the truncated mouse position plus 30 on each axis.
    Vec2 mouseOffset;

protected:
    void buildObjects() override;
};
