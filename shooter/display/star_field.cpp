// Star placement and drawing.
#include "display/star_field.h"

#include "random.h"
#include "world/area.h"
#include "world/world.h"

StarField::StarField(World* owner) : world(owner), starPen(PS_SOLID, 1, owner->look.starColour) {
    life = 1;
    const Area* arena = world->arena();
    for (int i = 0; i < starCount; ++i) {
        // Two separate statements: x takes the first draw, y the second.
        const int x = nextRandom() % arena->width;
        const int y = nextRandom() % arena->height;
        stars[i].set(x, y);
    }
}

StarField::~StarField() = default;

void StarField::draw(HDC dc) {
    const ScopedSelection penChoice(dc, starPen);
    const Vec2 origin = world->arena()->origin;
    for (int i = 0; i < starCount; ++i) {
        // A one-pixel line from (x - 1, y) to (x, y) sets the pixel (x - 1, y).
        (stars[i] + origin).drawDot(dc);
    }
}
