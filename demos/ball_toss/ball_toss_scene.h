// BallTossScene: the scene of ball_toss. Five trail balls that the left button grabs and
// throws; every right-button press sets off a firework burst at the cursor.
#pragma once

#include "common/demo_scene.h"

class BallTossScene final : public DemoScene {
public:
    static constexpr int ballCount = 5;

    void onMouseMove(WPARAM, LPARAM lParam);
    void onLeftDown(WPARAM, LPARAM lParam);
    void onLeftUp(WPARAM, LPARAM);
    void onRightDown(WPARAM, LPARAM lParam);

    // 0 up, 1 pressed and not yet taken, 2 taken by a ball (TrailBall's button constants).
    int leftButton = 0;
    // The mouse position before the last move or click.
    Vec2 mousePrevious;

protected:
    void buildObjects() override;

private:
    void moveMouseTo(LPARAM lParam);
};
