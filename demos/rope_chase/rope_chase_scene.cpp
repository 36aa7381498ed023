// rope_chase: the ropes' build and the mouse rows.
#include "rope_chase/rope_chase_scene.h"

#include "common/firework_burst.h"
#include "rope_chase/rope.h"

#include <new>

void RopeChaseScene::buildObjects() {
    addObject(new (std::nothrow) Rope(&mouse));
    addObject(new (std::nothrow) Rope(&mouseOffset));
}

void RopeChaseScene::onMouseMove(WPARAM, LPARAM lParam) {
    mouse = mousePosition(lParam);
    mouseOffset = Vec2(toPixel(mouse.x) + anchorOffset, toPixel(mouse.y) + anchorOffset);
}

void RopeChaseScene::onLeftDown(WPARAM, LPARAM) {
    // The burst starts where the last mouse movement left the mouse, not at the click's own
    // coordinates. When it cannot be allocated the press simply makes none.
    addObject(new (std::nothrow)
                  FireworkBurst(FireworkBurst::sparksPerClick, toPixel(mouse.x), toPixel(mouse.y)));
}
