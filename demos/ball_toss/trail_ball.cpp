// Movement, grabbing, clamping and trail drawing of a ball_toss ball.
#include "ball_toss/trail_ball.h"

#include "gdi_objects.h"

#include <cstddef>
#include <utility>

namespace {
template <std::size_t... k>
std::array<SolidBrush, sizeof...(k)> makeTrailBrushes(std::index_sequence<k...>) {
    // Brace elements are created in order, k = 0 first.
    return {{SolidBrush(RGB(TrailBall::trailGrey(static_cast<int>(k)),
                            TrailBall::trailGrey(static_cast<int>(k)),
                            TrailBall::trailGrey(static_cast<int>(k))))...}};
}
} // namespace

TrailBall::TrailBall(const Vec2* mouseAt, const Vec2* mouseBefore, int* button, const RECT* area)
    : position(randomStartPoint()), buttonState(button), mouse(mouseAt), mousePrevious(mouseBefore),
      bounds(area), brushes(makeTrailBrushes(std::make_index_sequence<trailLength>())),
      nullPen(PS_NULL, 0, 0) {}

void TrailBall::step(HDC target, int elapsedTicks) {
    // Ticks the frame fell behind: moved, not drawn.
    for (int tick = 1; tick < elapsedTicks; ++tick) {
        keepInside();
        position += velocity;
        applyFriction();
    }
    followMouse();
    keepInside();
    drawTrail(target);
    applyFriction();
}

void TrailBall::followMouse() {
    if (grabbed) {
        // The ball keeps the last mouse movement as its velocity, also when it is let go.
        velocity = *mouse - *mousePrevious;
        position = *mouse;
        if (*buttonState == buttonUp) {
            grabbed = false;
        }
    } else if (*buttonState == buttonPressed && hitTest()) {
        grabbed = true;
        // Taken: no ball after this one in the list takes the same press.
        *buttonState = buttonTaken;
    }
}

void TrailBall::keepInside() {
    if (toPixel(position.x) < bounds->left + radius) {
        velocity.x = -velocity.x;
        position.x = static_cast<float>(bounds->left + radius);
    }
    if (toPixel(position.x) > bounds->right - radius) {
        velocity.x = -velocity.x;
        position.x = static_cast<float>(bounds->right - radius);
    }
    if (toPixel(position.y) > bounds->bottom - radius) {
        velocity.y = -velocity.y;
        position.y = static_cast<float>(bounds->bottom - radius);
    }
    if (toPixel(position.y) < bounds->top + radius) {
        velocity.y = -velocity.y;
        position.y = static_cast<float>(bounds->top + radius);
    }
}

bool TrailBall::hitTest() {
    const int x = toPixel(position.x);
    const int y = toPixel(position.y);
    hitBox = RECT{x - radius, y - radius, x + radius, y + radius};
    return static_cast<float>(hitBox.left) <= mouse->x &&
           mouse->x <= static_cast<float>(hitBox.right) &&
           static_cast<float>(hitBox.top) <= mouse->y &&
           mouse->y <= static_cast<float>(hitBox.bottom);
}

void TrailBall::drawTrail(HDC target) {
    ScopedSelection penChoice(target, nullPen);
    ScopedSelection brushChoice(target, brushes[0]);
    const Vec2 stride = velocity / static_cast<float>(trailLength);
    for (int k = 0; k < trailLength; ++k) {
        position += stride;
        SelectObject(target, brushes[static_cast<std::size_t>(k)]);
        position.drawEllipse(target, radius, radius);
    }
}

void TrailBall::applyFriction() {
    velocity -= velocity / frictionDivisor;
}
