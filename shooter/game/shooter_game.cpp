// ShooterGame: scene build, frame driver, restart, input handlers and keyboard commands.
#include "game/shooter_game.h"

#include "display/frame_text.h"
#include "game/help_text.h"
#include "game/world_builder.h"
#include "resource_ids.h"
#include "sprite.h"

namespace {
constexpr int cursorSize = 32;

// A mouse message's position: x in the low 16 bits, y in the high 16 bits, both unsigned.
Vec2 mousePosition(LPARAM lParam) {
    const auto bits = static_cast<DWORD_PTR>(lParam);
    return Vec2(static_cast<float>(LOWORD(bits)), static_cast<float>(HIWORD(bits)));
}
} // namespace

ShooterGame::ShooterGame(const ShooterProgram& record, PointerResources resources)
    : program(record), world(record.look), pointerResources(resources) {
    world.pointerHotSpot = record.pointer.hotSpot;
}

ShooterGame::~ShooterGame() {
    pause();
}

void ShooterGame::buildScene() {
    world.client = &clientRect;

    const bool own = pointerResources == PointerResources::Own;
    const int image = own ? IDB_POINTER : program.pointer.image;
    const int mask = own ? IDB_POINTER_MASK : program.pointer.mask;
    auto* cursor = new Sprite;
    if (cursor->load(window, image, mask, cursorSize, cursorSize, true)) {
        world.spriteList.add(cursor);
    } else {
        delete cursor;
        showMessage(window, "Cannot Load CResource ", "Error", MB_OK);
        SendMessageA(window, WM_CLOSE, 0, 0);
    }

    world.algorithmList.add(new WorldBuilder(&world));
}

void ShooterGame::renderFrame(HDC target, int elapsedTicks) {
    if (elapsedTicks == 0) {
        return;
    }
    world.runFrame(target, elapsedTicks);
}

void ShooterGame::restart() {
    lockScene();
    world.clearForRestart();
    world.algorithmList.add(new WorldBuilder(&world));
    unlockScene();
}

void ShooterGame::onKeyDown(WPARAM wParam, LPARAM) {
    const int key = static_cast<int>(wParam);
    switch (key) {
    case VK_PAUSE:
        togglePause();
        break;
    case VK_ESCAPE:
        SendMessageA(window, WM_CLOSE, 0, 0);
        break;
    case VK_F1:
        showHelp();
        break;
    case VK_F2:
        showMessage(window, "Restart Game", "Will Be", MB_OK);
        restart();
        break;
    case VK_F3:
        break;
    default:
        holdKey(key);
        break;
    }
}

void ShooterGame::onKeyUp(WPARAM wParam, LPARAM) {
    const int key = static_cast<int>(wParam);
    if (world.heldKeys[1] == key) {
        world.heldKeys[1] = 0;
    }
    if (world.heldKeys[0] == key) {
        world.heldKeys[0] = 0;
    }
}

void ShooterGame::holdKey(int key) {
    int* held = world.heldKeys;
    // A key already held (an auto-repeated key-down among them) changes nothing.
    if (held[0] == key || held[1] == key) {
        return;
    }
    if (held[0] != 0) {
        held[1] = key;
    } else {
        held[0] = key;
    }
}

void ShooterGame::togglePause() {
    if (!active) {
        resume();
        return;
    }
    pause();
    // The last finished frame stays on screen, with the word over it, until the next frame.
    if (HDC shown = front.load()) {
        writeOverFrame(shown, Vec2(200, 200), "pause", world.look.textsNeedStrip());
    }
    requestRedraw();
}

void ShooterGame::showHelp() {
    showMessage(window, helpText, "help", MB_OK);
}

void ShooterGame::onMouseMove(WPARAM, LPARAM lParam) {
    world.mouse = mousePosition(lParam);
}

void ShooterGame::onLeftDown(WPARAM, LPARAM lParam) {
    world.mouse = mousePosition(lParam);
    world.leftButton = 1;
}

void ShooterGame::onLeftUp(WPARAM, LPARAM) {
    world.leftButton = 0;
}

void ShooterGame::onRightDown(WPARAM, LPARAM lParam) {
    world.mouse = mousePosition(lParam);
    world.rightButton = 1;
}

void ShooterGame::onRightUp(WPARAM, LPARAM) {
    world.rightButton = 0;
}

void ShooterGame::onWheel(WPARAM, LPARAM) {}
