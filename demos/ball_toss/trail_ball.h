// TrailBall: a grey ball of ball_toss that can be grabbed and thrown with the left mouse
// button, slows down by friction, bounces off the client edges and is drawn as a trail of 25
// discs from white to dark grey along the path it covered in the frame.
#pragma once

#include "common/scene_object.h"
#include "gdi_objects.h"
#include "vec2.h"

#include <array>

class TrailBall final : public SceneObject {
public:
    static constexpr int trailLength = 25;
    static constexpr int ballRadius = 20;
    // Friction takes a thirtieth of the velocity off every tick.
    static constexpr float frictionDivisor = 30.0f;
    // leftButton values shared with the scene.
    static constexpr int buttonUp = 0;
    static constexpr int buttonPressed = 1;
    static constexpr int buttonTaken = 2;

    // Grey of trail disc k: 255 for the first, 15 for the last, drawn at the ball's position.
    static int trailGrey(int k) { return 255 - 10 * k; }

    // The pointers refer into the scene and its engine, which outlive every ball. Draws the
    // start point from the generator (y, then x).
    TrailBall(const Vec2* mouse, const Vec2* mousePrevious, int* buttonState, const RECT* bounds);

    void step(HDC target, int elapsedTicks) override;
    bool isDead() const override { return life == 0; }

    // Reflects and clamps the centre to the client area shrunk by the radius.
    void keepInside();
    // Fills hitBox with the ball's square and tells whether the mouse lies in it, edges included.
    bool hitTest();

    Vec2 position;
    // Never changes: the balls live as long as the scene.
    int life = 1;
    bool grabbed = false;
    int* buttonState;
    const Vec2* mouse;
    const Vec2* mousePrevious;
    // Pixels per tick.
    Vec2 velocity;
    const RECT* bounds;
    RECT hitBox{};
    int radius = ballRadius;
    std::array<SolidBrush, trailLength> brushes;
    // The discs have no outline.
    Pen nullPen;

private:
    void applyFriction();
    void followMouse();
    void drawTrail(HDC target);
};
