// ball_repel: the balls' build and the mouse row.
#include "ball_repel/ball_repel_scene.h"

#include "ball_repel/repel_ball.h"
#include "random.h"

#include <new>

namespace {
// A start velocity component, -4.9 .. 5.0 pixels per tick.
float randomSpeed() {
    return static_cast<float>(5.0 - (nextRandom() % 100) * 0.1);
}
} // namespace

void BallRepelScene::buildObjects() {
    const Vec2 gravity(0.0f, 1.0f);
    for (int i = 0; i < ballCount; ++i) {
        // Draw order per ball: velocity y, velocity x, then the constructor's start point.
        const float speedY = randomSpeed();
        const float speedX = randomSpeed();
        addObject(new (std::nothrow) RepelBall(Vec2(speedX, speedY), gravity, &mouse, &clientRect));
    }
}

void BallRepelScene::onMouseMove(WPARAM, LPARAM lParam) {
    mouse = mousePosition(lParam);
}
