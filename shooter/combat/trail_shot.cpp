// Trail shots: construction, trail bookkeeping, the wall test and drawing.
#include "combat/trail_shot.h"

#include "world/area.h"
#include "world/world.h"

TrailShot::TrailShot(World* owner, int x, int y, float angle, float speed, int startLife,
                     const TrailLook& look)
    : world(owner), headPen(PS_SOLID, look.head.width, look.head.colour),
      middlePen(PS_SOLID, look.middle.width, look.middle.colour),
      tailPen(PS_SOLID, look.tail.width, look.tail.colour) {
    position.set(x, y);
    velocity.setPolar(angle, speed);
    for (Vec2& entry : trail) {
        entry = position;
    }
    life = startLife;
}

TrailShot::~TrailShot() = default;

void TrailShot::shiftTrail() {
    trail[2] = trail[1];
    trail[1] = trail[0];
    trail[0] = position;
}

int TrailShot::wallsCrossed() const {
    const Area* arena = world->arena();
    const int x = toPixel(position.x);
    const int y = toPixel(position.y);
    int crossed = 0;
    if (x < 0) {
        crossed += 1;
    }
    if (x > arena->width) {
        crossed += 1;
    }
    if (y < 0) {
        crossed += 1;
    }
    if (y > arena->height) {
        crossed += 1;
    }
    return crossed;
}

void TrailShot::draw(HDC dc) {
    const Vec2 origin = world->arena()->origin;
    screenPosition = position + origin;
    for (int i = 0; i < 3; ++i) {
        trailScreen[i] = trail[i] + origin;
    }
    const ScopedSelection penChoice(dc, headPen);
    screenPosition.drawLine(dc, trailScreen[0]);
    SelectObject(dc, middlePen);
    trailScreen[0].drawLine(dc, trailScreen[1]);
    SelectObject(dc, tailPen);
    trailScreen[1].drawLine(dc, trailScreen[2]);
}
