// Helpers of the world tests: a shooter game built on a stage without a timer, a
// non-blocking stand-in for its message boxes, and access to the world's objects.
#pragma once

#include "combat/player.h"
#include "game/shooter_game.h"
#include "game/world_builder.h"
#include "random.h"
#include "stage.h"
#include "test_surface.h"
#include "variant_program.h"
#include "world/area.h"
#include "world/world.h"

#include <windows.h>

// The game's boxes answered OK at once, so that no test waits on one.
inline int WINAPI answerOk(HWND, LPCSTR, LPCSTR, UINT) {
    return IDOK;
}

// The client size at which the view beside the panel is exactly the arena.
constexpr SIZE fittingClient{WorldBuilder::fittingClientWidth, WorldBuilder::fittingClientHeight};

// A ShooterGame as WM_CREATE leaves it, minus the timer, on a stage of its client size (by
// default the one the arena fits): surfaces, the program's own pointer, built world.
class BuiltGame : public Stage<TestSurface> {
public:
    explicit BuiltGame(const ShooterProgram& program = shooterProgram,
                       WNDPROC procedure = DefWindowProcA, SIZE client = fittingClient)
        : Stage(client.cx, client.cy, procedure),
          game(program, ShooterGame::PointerResources::ByRecord) {
        seedRandom(1);
        game.showMessage = answerOk;
        game.attachWindow(window.handle());
        game.buildScene();
    }

    World& world() { return game.world; }
    Player& player() { return *static_cast<Player*>(game.world.player()); }
    Area& arena() { return *game.world.arena(); }
    // One frame of ticks timer ticks drawn on the stage's surface, as a render thread would.
    void runTicks(int ticks) {
        frame([&](HDC target) { game.renderFrame(target, ticks); });
    }

    ShooterGame game;
};
