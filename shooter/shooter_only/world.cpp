// The shooter's arrangement of the world's lists: which lists a frame updates and draws, in
// which order, where the scenery lives, and what a restart and the end of the world empty.
#include "world.h"

#include "area.h"
#include "backdrop.h"
#include "entity.h"
#include "list_passes.h"
#include "solid.h"
#include "sprite.h"
#include "star_field.h"

namespace {
// The cross-hair is 32 x 32 and centred on the mouse point.
constexpr int cursorHotspot = 16;
} // namespace

World::World() = default;

World::~World() {
    spriteList.clear();
    algorithmList.clear();
    backgroundList.clear();
    lastList.clear();
    solidList.clear();
    objectList.clear();
    areaList.clear();
}

void World::runFrame(HDC target, int ticks) {
    for (int tick = 0; tick < ticks; ++tick) {
        updatePass(algorithmList);
        updatePass(backgroundList);
        updatePass(solidList);
        updatePass(objectList);
        updatePass(lastList);
    }
    drawPass(backgroundList, target);
    drawPass(solidList, target);
    drawPass(objectList, target);
    drawPass(lastList, target);

    if (Sprite* cursor = spriteList.get(cursorSprite)) {
        cursor->place(toPixel(mouse.x) - cursorHotspot, toPixel(mouse.y) - cursorHotspot, 0, 0);
        cursor->draw(target);
    }
}

int World::objectCount() const {
    return objectList.count() + solidList.count() + lastList.count() + backgroundList.count() +
           algorithmList.count();
}

void World::appendScenery() {
    backgroundList.add(new Backdrop(this));
    backgroundList.add(new StarField(this));
}

void World::clearForRestart() {
    objectList.clear();
    solidList.clear();
    algorithmList.clear();
    // The scenery and the heads-up display are rebuilt with the world, so the old ones go too:
    // keeping them would add one more backdrop, star field and display with every restart.
    backgroundList.clear();
    lastList.clear();
    areaList.clear();
}
