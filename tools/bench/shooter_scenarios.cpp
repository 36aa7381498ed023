// The shooter's scenario scripts, and their runs in the benchmark: each script at 1920 x 1080
// and at 800 x 600, then a live run: the game on the engine's real timer and render threads with
// the flame weapon held, counting the frames that had to fold more than one tick.
#include "shooter_scenarios.h"

#include "gdi_objects.h"
#include "hidden_window.h"
#include "random.h"
#include "scenarios.h"
#include "world/area.h"
#include "world/entity.h"
#include "world/solid.h"

#include <cmath>
#include <cstdio>

namespace {
constexpr int bombWeapon = 2;
constexpr int flameWeapon = 3;
constexpr int liveEnemies = 50;

Vec2 circlingPoint(const Vec2& centre, int i) {
    return centre + Vec2(120.0 * std::cos(i * 0.2), 120.0 * std::sin(i * 0.2));
}

void warmUpEnemies(ScriptedGame& game, HDC scratch) {
    for (int i = 0; i < liveEnemies; ++i) {
        game.holdEnemiesAt(liveEnemies);
        game.keepPlayerAlive();
        game.tick(scratch);
    }
}

// The enemy nearest to the player, in the arena; the player's own position when there is none.
Vec2 nearestEnemy(ScriptedGame& game) {
    const Vec2 from = game.player()->position;
    Vec2 best = from;
    float bestDistance = 1e30f;
    for (int i = 0; i < game.world().solidList.count(); ++i) {
        const Solid* enemy = game.world().solidList.get(i);
        const float distance = enemy->outline.position.distanceTo(from);
        if (enemy->life != 0 && distance < bestDistance) {
            bestDistance = distance;
            best = enemy->outline.position;
        }
    }
    return best;
}

// Holds the arrow keys toward a point of the arena while it lies farther than the flames
// reach, and none once it is near: enemies that keep bouncing far from the player are hunted
// down, as a user would.
void walkToward(ScriptedGame& game, const Vec2& target) {
    constexpr float flameReach = 120.0f;
    const Vec2 offset = target - game.player()->position;
    const bool outOfReach = offset.length() > flameReach;
    int* held = game.world().heldKeys;
    const bool sideways = outOfReach && std::fabs(offset.x) > Player::stepLength;
    const bool upOrDown = outOfReach && std::fabs(offset.y) > Player::stepLength;
    held[0] = sideways ? (offset.x > 0 ? VK_RIGHT : VK_LEFT) : 0;
    held[1] = upOrDown ? (offset.y > 0 ? VK_DOWN : VK_UP) : 0;
}

// Runs the game live at 1920 x 1080 for a number of milliseconds after a warm-up that brings
// the enemies to 50. Like input messages, the scripted player changes the world only while the
// scene is locked: every 100 ms it keeps the enemies and itself alive, holds the flame weapon
// and moves the mouse on around the player.
std::string liveRun(ScenarioSet& set, const ShooterProgram& program, int warmUpMs, int runMs) {
    Stage<> stage(1920, 1080);
    ScriptedGame live(stage, program, Clock::Engine);
    const ULONGLONG begin = GetTickCount64();
    ULONGLONG now = begin;
    for (int step = 0; now - begin < static_cast<ULONGLONG>(warmUpMs + runMs); ++step) {
        live.game.counting = now - begin >= static_cast<ULONGLONG>(warmUpMs);
        live.game.lockScene();
        live.holdEnemiesAt(liveEnemies);
        live.keepPlayerAlive();
        if (live.player() != nullptr && live.world().arena() != nullptr) {
            live.player()->weaponIndex = flameWeapon;
            live.moveMouse(circlingPoint(live.playerOnScreen(), step));
        }
        live.world().leftButton = 1;
        live.game.unlockScene();
        pumpMessages();
        Sleep(100);
        now = GetTickCount64();
    }
    live.game.counting = false;
    live.game.pause();
    const int frames = live.game.frames;
    const int late = live.game.lateFrames;
    if (frames == 0) {
        set.fail(std::string(program.name) + " live run: no frame was drawn");
    }
    char text[320];
    std::snprintf(text, sizeof text,
                  "%s live: flame weapon held against 50 enemies at 1920x1080 for %.0f s on the "
                  "33 ms timer: %d frames, %d with elapsedTicks above 1 (%.2f%%), at most %d "
                  "ticks in one frame%s",
                  program.name, runMs / 1000.0, frames, late,
                  frames > 0 ? 100.0 * late / frames : 0.0, live.game.mostTicks.load(),
                  live.player() != nullptr ? "" : " (the player died)");
    return text;
}
} // namespace

void CountingGame::renderFrame(HDC target, int elapsedTicks) {
    if (counting) {
        frames += 1;
        if (elapsedTicks > 1) {
            lateFrames += 1;
        }
        int seen = mostTicks.load();
        while (elapsedTicks > seen && !mostTicks.compare_exchange_weak(seen, elapsedTicks)) {
        }
    }
    ShooterGame::renderFrame(target, elapsedTicks);
}

ScriptedGame::ScriptedGame(Stage<>& stage, const ShooterProgram& program, Clock clock)
    : game(program) {
    const HWND window = stage.window.handle();
    if (clock == Clock::Engine) {
        game.start(window);
    } else {
        game.attachWindow(window);
        game.buildScene();
    }
}

Vec2 ScriptedGame::playerOnScreen() {
    Player* p = player();
    return p != nullptr ? p->position + world().arena()->origin : Vec2();
}

// The spawner is the first algorithm until the game ends. It releases an enemy while its life (the
// enemies still to come plus one) exceeds the live enemies, so setting it to n before every tick
// keeps n enemies alive.
void ScriptedGame::holdEnemiesAt(int count) {
    Algorithm* spawner = world().algorithmList.get(0);
    if (spawner != nullptr && world().algorithmList.count() > 1) {
        spawner->life = count;
    }
}

void ScriptedGame::keepPlayerAlive() {
    if (Player* p = player()) {
        p->life = Player::fullHealth;
    }
}

void ScriptedGame::moveMouse(const Vec2& at) {
    game.onMouseMove(0, MAKELPARAM(toPixel(at.x), toPixel(at.y)));
}

void ScriptedGame::huntNearestEnemy() {
    const Vec2 enemy = nearestEnemy(*this);
    walkToward(*this, enemy);
    moveMouse(enemy + world().arena()->origin);
}

void ScriptedGame::walkTowardNearestEnemy() {
    walkToward(*this, nearestEnemy(*this));
}

bool ScriptedGame::won() {
    return world().algorithmList.count() == 1 && player() != nullptr;
}

std::vector<ShooterScript> shooterScripts() {
    std::vector<ShooterScript> scripts;
    scripts.push_back({"50 live enemies", 300, 60, 5, warmUpEnemies,
                       [](ScriptedGame& game, HDC target, int) {
                           game.holdEnemiesAt(liveEnemies);
                           game.keepPlayerAlive();
                           game.tick(target);
                       },
                       nullptr});
    static const char* const weapons[] = {"scatter", "stream", "bomb", "flame", "volley"};
    for (int w = 0; w < Player::weaponCount; ++w) {
        scripts.push_back({"weapon " + std::to_string(w) + " (" + weapons[w] + ") held", 300, 60, 5,
                           [w](ScriptedGame& game, HDC scratch) {
                               warmUpEnemies(game, scratch);
                               game.player()->weaponIndex = static_cast<unsigned int>(w);
                               game.world().leftButton = 1;
                           },
                           [](ScriptedGame& game, HDC target, int i) {
                               game.holdEnemiesAt(liveEnemies);
                               game.keepPlayerAlive();
                               game.moveMouse(circlingPoint(game.playerOnScreen(), i));
                               game.tick(target);
                           },
                           nullptr});
    }
    scripts.push_back({"player's death burst", 120, 60, 5,
                       [](ScriptedGame& game, HDC scratch) {
                           warmUpEnemies(game, scratch);
                           // The next contact is the last: an enemy on the player with 10 health.
                           game.player()->life = 10;
                           game.world().solidList.get(0)->outline.position =
                               game.player()->position;
                       },
                       [](ScriptedGame& game, HDC target, int) { game.tick(target); }, nullptr});
    scripts.push_back({"whole game with the flame weapon", 20000, 1500, 60,
                       [](ScriptedGame& game, HDC) {
                           game.player()->weaponIndex = flameWeapon;
                           game.world().leftButton = 1;
                       },
                       [](ScriptedGame& game, HDC target, int) {
                           game.keepPlayerAlive();
                           game.huntNearestEnemy();
                           game.tick(target);
                       },
                       // Over when the spawner has removed itself, leaving the world builder.
                       [](ScriptedGame& game) { return game.world().algorithmList.count() > 1; }});
    return scripts;
}

ShooterScript shooterGalleryLoop() {
    constexpr int switchFrame = 60;
    return {"bomb, then flame",
            120,
            120,
            3,
            [](ScriptedGame& game, HDC scratch) {
                warmUpEnemies(game, scratch);
                game.player()->weaponIndex = bombWeapon;
                game.world().leftButton = 1;
            },
            [](ScriptedGame& game, HDC target, int i) {
                game.holdEnemiesAt(liveEnemies);
                game.keepPlayerAlive();
                const Vec2 mouse = circlingPoint(game.playerOnScreen(), i);
                // A right-click selects the next weapon, the flame; then the player walks.
                if (i == switchFrame) {
                    game.game.onRightDown(0, MAKELPARAM(toPixel(mouse.x), toPixel(mouse.y)));
                } else {
                    game.moveMouse(mouse);
                }
                if (i == switchFrame + 1) {
                    game.game.onRightUp(0, 0);
                }
                if (i > switchFrame) {
                    game.walkTowardNearestEnemy();
                }
                game.tick(target);
            },
            nullptr};
}

void runShooterScenarios(ScenarioSet& set, const BenchOptions& options,
                         const ShooterProgram& program) {
    for (const SIZE size : {SIZE{1920, 1080}, SIZE{800, 600}}) {
        for (const ShooterScript& script : shooterScripts()) {
            set.run([&] {
                seedRandom(shooterSeed);
                Stage<> stage(size.cx, size.cy);
                ScriptedGame game(stage, program);
                script.prepare(game, stage.surface.dc());
                ScenarioGoesOn goesOn;
                if (script.goesOn) {
                    goesOn = [&] { return script.goesOn(game); };
                }
                ScenarioResult result = measureFrames(
                    std::string(program.name) + ": " + script.name, stage,
                    options.pick(script.fullFrames, script.quickFrames, script.smokeFrames),
                    [&](HDC target, int i) { script.frame(game, target, i); },
                    [&] { return game.world().objectCount(); }, goesOn);
                if (script.goesOn) {
                    result.note = (game.won() ? "won after " : "not won after ") +
                                  std::to_string(result.frames) + " ticks";
                }
                return result;
            });
        }
    }
    seedRandom(shooterSeed);
    const int liveBefore = gdiCount::live();
    set.note(liveRun(set, program, options.smoke ? 300 : 2000, options.pick(60000, 5000, 1000)));
    if (gdiCount::live() != liveBefore) {
        set.fail(std::string(program.name) + " live run: counted GDI objects not back to " +
                 std::to_string(liveBefore));
    }
}
