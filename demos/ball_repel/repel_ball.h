// RepelBall: a white ball of ball_repel that falls under gravity, bounces off the client edges
// without losing speed and is pushed away from the mouse cursor, the harder the closer it is.
#pragma once

#include "common/scene_object.h"
#include "vec2.h"

class RepelBall final : public SceneObject {
public:
    static constexpr int drawRadius = 10;
    // The push at distance d is pushStrength / d pixels per tick.
    static constexpr float pushStrength = 100.0f;

    // Velocity and acceleration are copied; the pointers refer into the scene and its engine,
    // which outlive every ball. Draws the start point from the generator (y, then x).
    RepelBall(const Vec2& velocity, const Vec2& acceleration, const Vec2* mouse,
              const RECT* bounds);

    // One movement step per frame whatever the tick count, then the drawing with the DC's
    // current pen and brush.
    void step(HDC target, int elapsedTicks) override;
    bool isDead() const override { return life == 0; }

    // Reflects and clamps the centre to the client area.
    void keepInside();
    // The push away from the mouse: 100 / distance pixels per tick, pointing from the mouse to
    // the ball; none when the mouse is exactly on the centre, where it has no direction.
    Vec2 push() const;

    Vec2 position;
    // Never changes: the balls live as long as the scene.
    int life = 1;
    Vec2 velocity;
    const Vec2* mouse;
    Vec2 acceleration;
    const RECT* bounds;
};
