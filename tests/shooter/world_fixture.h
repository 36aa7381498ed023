// Helpers of the world tests: a shooter game built on a hidden window without a timer, a
// non-blocking stand-in for its message boxes, and access to the world's objects.
#pragma once

#include "combat/player.h"
#include "frame_steps.h"
#include "game/shooter_game.h"
#include "game/world_builder.h"
#include "hidden_window.h"
#include "random.h"
#include "test_surface.h"
#include "variant_program.h"
#include "world/area.h"
#include "world/world.h"

#include <windows.h>

#include <string>
#include <vector>

struct ShownBox {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

// Every box the stand-in was asked to show, oldest first.
inline std::vector<ShownBox>& shownBoxes() {
    static std::vector<ShownBox> boxes;
    return boxes;
}

inline int WINAPI recordBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    shownBoxes().push_back({owner, text, caption, type});
    return IDOK;
}

// A ShooterGame as WM_CREATE leaves it, minus the timer: surfaces, the program's own pointer,
// built world.
class BuiltGame {
public:
    explicit BuiltGame(int width = 1100, int height = 1000, WNDPROC procedure = DefWindowProcA,
                       const ShooterProgram& program = shooterProgram)
        : window(width, height, procedure), game(program, ShooterGame::PointerResources::ByRecord) {
        seedRandom(1);
        shownBoxes().clear();
        game.showMessage = recordBox;
        game.attachWindow(window.handle());
        game.buildScene();
    }

    World& world() { return game.world; }
    Player& player() { return *static_cast<Player*>(game.world.player()); }
    Area& arena() { return *game.world.arena(); }
    // One frame of ticks timer ticks drawn into surface, as a render thread would.
    void runFrame(TestSurface& surface, int ticks) {
        drawSceneFrame(surface.dc(), surface.area(),
                       [&](HDC target) { game.renderFrame(target, ticks); });
    }
    void runTicks(int ticks) {
        TestSurface scratch(game.clientRect.right, game.clientRect.bottom);
        runFrame(scratch, ticks);
    }

    HiddenWindow window;
    ShooterGame game;
};
