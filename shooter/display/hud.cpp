// The heads-up display's drawing: panel and bar, then the percentage and the list counters.
#include "display/hud.h"

#include "world/area.h"
#include "world/world.h"

#include <cstdio>

namespace {
void writeAt(HDC dc, const Vec2& at, const char* format, int value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    at.drawText(dc, text);
}
} // namespace

Hud::Hud(World* owner) : world(owner), panel(owner->look) {
    position.set(10, 100);
    life = 1;
}

Hud::~Hud() = default;

void Hud::draw(HDC dc) {
    const Entity* player = world->player();
    const int health = player != nullptr ? player->life : 0;
    const Area& region = *world->panel();
    const Vec2 origin = region.origin;

    panel.draw(dc, region, toPixel(origin.x) + toPixel(position.x),
               toPixel(origin.y) + toPixel(position.y), health);

    SetBkMode(dc, TRANSPARENT);
    writeAt(dc, origin + position, "%d%%", health);
    writeAt(dc, origin, "object: %d", world->objectList.count());
    writeAt(dc, origin + Vec2(0, 20), "solid: %d ", world->solidList.count());
    writeAt(dc, origin + Vec2(0, 40), "last: %d ", world->lastList.count());
    writeAt(dc, origin + Vec2(0, 60), "algorithm: %d ", world->algorithmList.count());
}
