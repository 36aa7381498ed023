// The demonstration scenes' shared frame: frame step, build, keys and teardown.
#include "common/demo_scene.h"

#include "resource_ids.h"
#include "text_1251.h"

#include <cstdio>

namespace {
constexpr int pointerSize = 32;
} // namespace

DemoScene::~DemoScene() {
    // No frame may run while the objects go away.
    pause();
    cursor.release();
    objectList.clear();
}

void DemoScene::renderFrame(HDC target, int elapsedTicks) {
    if (elapsedTicks <= 0) {
        return;
    }
    // Objects are stepped in list order; those that died in their step go in the same frame.
    for (int i = 0; i < objectList.count(); ++i) {
        objectList.get(i)->step(target, elapsedTicks);
    }
    objectList.removeDead();

    cursor.place(toPixel(mouse.x), toPixel(mouse.y), 0, 0);
    cursor.draw(target);

    std::snprintf(overlay, sizeof overlay, "num of object : %d ", objectList.count());
    drawText1251(target, overlayX, overlayY, overlay);
}

void DemoScene::buildScene() {
    // Without the bitmaps the scene simply runs without a visible pointer.
    cursor.load(window, IDB_POINTER, IDB_POINTER_MASK, pointerSize, pointerSize, true);
    buildObjects();
}

void DemoScene::onKeyDown(WPARAM key, LPARAM) {
    if (key == VK_ESCAPE) {
        SendMessageA(window, WM_CLOSE, 0, 0);
    } else if (key == VK_F1) {
        messageBox1251(window, "123", "help", MB_OK);
    }
}

bool DemoScene::addObject(SceneObject* object) {
    if (object == nullptr) {
        return false;
    }
    objectList.add(object);
    return true;
}

Vec2 DemoScene::mousePosition(LPARAM lParam) {
    return Vec2(static_cast<int>(LOWORD(lParam)), static_cast<int>(HIWORD(lParam)));
}
