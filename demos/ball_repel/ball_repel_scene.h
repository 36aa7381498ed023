// BallRepelScene: the scene of ball_repel. 24 balls under gravity, pushed away from the mouse;
// nothing is ever added or removed.
#pragma once

#include "common/demo_scene.h"

class BallRepelScene final : public DemoScene {
public:
    static constexpr int ballCount = 24;

    void onMouseMove(WPARAM, LPARAM lParam);

protected:
    void buildObjects() override;
};
