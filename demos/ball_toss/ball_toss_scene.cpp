// ball_toss: the balls' build and the mouse rows.
#include "ball_toss/ball_toss_scene.h"

#include "ball_toss/trail_ball.h"
#include "common/firework_burst.h"

#include <new>

void BallTossScene::buildObjects() {
    leftButton = TrailBall::buttonUp;
    for (int i = 0; i < ballCount; ++i) {
        addObject(new (std::nothrow) TrailBall(&mouse, &mousePrevious, &leftButton, &clientRect));
    }
}

void BallTossScene::moveMouseTo(LPARAM lParam) {
    mousePrevious = mouse;
    mouse = mousePosition(lParam);
}

void BallTossScene::onMouseMove(WPARAM, LPARAM lParam) {
    moveMouseTo(lParam);
}

void BallTossScene::onLeftDown(WPARAM, LPARAM lParam) {
    moveMouseTo(lParam);
    leftButton = TrailBall::buttonPressed;
}

void BallTossScene::onLeftUp(WPARAM, LPARAM) {
    leftButton = TrailBall::buttonUp;
}

void BallTossScene::onRightDown(WPARAM, LPARAM lParam) {
    moveMouseTo(lParam);
    // When the burst cannot be allocated the press simply makes none.
    addObject(new (std::nothrow)
                  FireworkBurst(FireworkBurst::sparksPerClick, toPixel(mouse.x), toPixel(mouse.y)));
}
