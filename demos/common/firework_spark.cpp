// Flight and drawing of one firework spark.
#include "common/firework_spark.h"

#include "gdi_objects.h"

FireworkSpark::FireworkSpark(int startLife, int x, int y, float speed, float angle,
                             const Vec2* startAcceleration, COLORREF color, int penWidth)
    : position(x, y), life(startLife), acceleration(*startAcceleration),
      pen(PS_SOLID, penWidth, color) {
    velocity.setPolar(angle, speed);
}

void FireworkSpark::draw(HDC target) {
    // The spark may die and be deleted right after this frame's drawing: its pen must not stay
    // selected, or the deletion would fail.
    ScopedSelection penChoice(target, pen);
    position.drawDot(target);
}

bool FireworkSpark::update() {
    if (life == 0) {
        return false;
    }
    velocity += acceleration;
    position += velocity;
    life -= 1;
    return true;
}
