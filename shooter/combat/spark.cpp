// Spark motion and drawing.
#include "combat/spark.h"

#include "gdi_objects.h"
#include "world/area.h"

namespace {
// A spark whose velocity lies strictly inside this square on both axes is spent.
constexpr float restingSpeed = 3.0f;
} // namespace

Spark::Spark(const Area* arenaArea, const Vec2& origin, float speed, float angle, float sparkDrag,
             COLORREF sparkColour, int sparkPenWidth)
    : position(origin), arena(arenaArea), colour(sparkColour), penWidth(sparkPenWidth),
      drag(sparkDrag) {
    velocity.setPolar(angle, speed);
}

void Spark::advance() {
    if (velocity.insideSquare(restingSpeed)) {
        alive = 0;
        return;
    }
    position += velocity;
    velocity -= velocity / drag;
}

void Spark::draw(HDC dc) {
    screenPosition = position + arena->origin;
    const Pen pen(PS_SOLID, penWidth, colour);
    const ScopedSelection penChoice(dc, pen);
    screenPosition.drawLine(dc, screenPosition + velocity);
}
