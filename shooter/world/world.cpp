// The arrangement of the world's lists: which lists a frame updates and draws, in which order,
// what a restart and the end of the world empty, and the lookups into the record.
#include "world/world.h"

#include "sprite.h"
#include "world/area.h"
#include "world/entity.h"
#include "world/list_passes.h"
#include "world/solid.h"

World::World(const ShooterLook& worldLook) : look(worldLook) {}

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
    // When the look keeps the scenery among the objects the background list stays empty, and
    // its passes do nothing.
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

    if (Sprite* pointer = spriteList.get(cursorSprite)) {
        const int hotSpot = pointerHotSpot;
        pointer->place(toPixel(mouse.x) - hotSpot, toPixel(mouse.y) - hotSpot, 0, 0);
        pointer->draw(target);
    }
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

int World::objectCount() const {
    return objectList.count() + solidList.count() + lastList.count() + backgroundList.count() +
           algorithmList.count();
}

Area* World::arena() const {
    return areaList.get(0);
}

Area* World::view() const {
    return areaList.get(1);
}

Area* World::panel() const {
    return areaList.get(2);
}

Entity* World::player() const {
    for (int i = 0; i < objectList.count(); ++i) {
        Entity* entry = objectList.get(i);
        if (entry->kind == playerKind) {
            return entry;
        }
    }
    return nullptr;
}
