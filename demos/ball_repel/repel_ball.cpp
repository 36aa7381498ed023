// Movement and drawing of a ball_repel ball.
#include "ball_repel/repel_ball.h"

RepelBall::RepelBall(const Vec2& startVelocity, const Vec2& startAcceleration, const Vec2* mouseAt,
                     const RECT* area)
    : position(randomStartPoint()), velocity(startVelocity), mouse(mouseAt),
      acceleration(startAcceleration), bounds(area) {}

void RepelBall::step(HDC target, int) {
    keepInside();
    velocity += acceleration + push();
    position += velocity;
    position.drawEllipse(target, drawRadius, drawRadius);
}

void RepelBall::keepInside() {
    if (toPixel(position.x) < bounds->left) {
        velocity.x = -velocity.x;
        position.x = static_cast<float>(bounds->left);
    }
    if (toPixel(position.x) > bounds->right) {
        velocity.x = -velocity.x;
        position.x = static_cast<float>(bounds->right);
    }
    if (toPixel(position.y) > bounds->bottom) {
        velocity.y = -velocity.y;
        position.y = static_cast<float>(bounds->bottom);
    }
    if (toPixel(position.y) < bounds->top) {
        velocity.y = -velocity.y;
        position.y = static_cast<float>(bounds->top);
    }
}

Vec2 RepelBall::push() const {
    const float distance = (*mouse - position).length();
    Vec2 result;
    if (distance > 0.0f) {
        result.setPolar((position - *mouse).angle(), pushStrength / distance);
    }
    return result;
}
