// The variant's arrangement of the world's lists: no background list, the scenery among the
// objects, and the arrow pointer drawn with its tip at the mouse.
#include "world.h"

#include "area.h"
#include "backdrop.h"
#include "entity.h"
#include "list_passes.h"
#include "solid.h"
#include "sprite.h"
#include "star_field.h"

World::World() = default;

World::~World() {
    spriteList.clear();
    algorithmList.clear();
    lastList.clear();
    solidList.clear();
    objectList.clear();
    areaList.clear();
}

void World::runFrame(HDC target, int ticks) {
    for (int tick = 0; tick < ticks; ++tick) {
        updatePass(algorithmList);
        updatePass(solidList);
        updatePass(objectList);
        updatePass(lastList);
    }
    drawPass(solidList, target);
    drawPass(objectList, target);
    drawPass(lastList, target);

    // The arrow's tip is the bitmap's top-left corner.
    if (Sprite* pointer = spriteList.get(cursorSprite)) {
        pointer->place(toPixel(mouse.x), toPixel(mouse.y), 0, 0);
        pointer->draw(target);
    }
}

int World::objectCount() const {
    return objectList.count() + solidList.count() + lastList.count() + algorithmList.count();
}

void World::appendScenery() {
    objectList.add(new StarField(this));
    objectList.add(new Backdrop(this));
}

void World::clearForRestart() {
    objectList.clear();
    solidList.clear();
    algorithmList.clear();
    // The heads-up display is rebuilt with the world, so the old one goes too: keeping it would
    // add one more display with every restart.
    lastList.clear();
    areaList.clear();
}
