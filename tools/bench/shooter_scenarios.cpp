// Benchmark scenarios of a shooter build (compiled once per build), at 1920 x 1080 and at
// 800 x 600: 50 live enemies; each of the five weapons held for 300 ticks while the mouse
// circles the player; the player's death burst; a whole game played until the win text by a
// scripted player who aims at the nearest enemy with the flame weapon and walks toward it when
// it is out of reach. Then a live run: the game on the engine's real timer and render threads
// with the flame weapon held, counting the frames that had to fold more than one tick.
#include "area.h"
#include "entity.h"
#include "frame_bench.h"
#include "gdi_objects.h"
#include "player.h"
#include "random.h"
#include "shooter_game.h"
#include "solid.h"
#include "variant_look.h"

#include <atomic>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

// SHOOTER_BUILD_NAME names the build in the report; the build system defines it.

namespace {
constexpr int flameWeapon = 3;
constexpr int liveEnemies = 50;

// The shooter's scene, counting the frames while asked to, and among them the ones that folded
// more than one tick (on the engine's timer a frame that took longer than a tick does that).
class CountingGame : public ShooterGame {
public:
    CountingGame() : ShooterGame(SHOOTER_LOOK) {}
    void renderFrame(HDC target, int elapsedTicks) override {
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

    std::atomic<bool> counting{false};
    std::atomic<int> frames{0};
    std::atomic<int> lateFrames{0};
    std::atomic<int> mostTicks{0};
};

enum class Clock {
    // Frames are drawn by the benchmark, one tick each, into its own surface.
    Scripted,
    // The engine's timer and render threads draw the frames, as in the program.
    Engine,
};

// A game built on the benchmark surface's window, as the program builds it on WM_CREATE.
class BenchGame {
public:
    explicit BenchGame(BenchSurface& surface, Clock clock = Clock::Scripted) {
        if (clock == Clock::Engine) {
            game.start(surface.window());
        } else {
            game.attachWindow(surface.window());
            game.buildScene();
        }
    }
    // No frame may run while the world is destroyed: stop the ticks as closing the window does.
    ~BenchGame() { game.pause(); }
    BenchGame(const BenchGame&) = delete;
    BenchGame& operator=(const BenchGame&) = delete;

    World& world() { return game.world; }
    Player* player() { return static_cast<Player*>(game.world.player()); }

    Vec2 playerOnScreen() {
        Player* p = player();
        return p != nullptr ? p->position + world().arena()->origin : Vec2();
    }

    // The spawner is the first algorithm until the game ends. It releases an enemy while its life
    // (the enemies still to come plus one) exceeds the live enemies, so setting it to n before
    // every tick keeps n enemies alive.
    void holdEnemiesAt(int count) {
        Algorithm* spawner = world().algorithmList.get(0);
        if (spawner != nullptr && world().algorithmList.count() > 1) {
            spawner->life = count;
        }
    }

    void keepPlayerAlive() {
        if (Player* p = player()) {
            p->life = Player::fullHealth;
        }
    }

    void moveMouse(const Vec2& at) {
        game.onMouseMove(0, MAKELPARAM(toPixel(at.x), toPixel(at.y)));
    }

    void tick(HDC target) { game.renderFrame(target, 1); }

    int objectCount() { return world().objectCount(); }

    CountingGame game;
};

std::string label(const char* what) {
    return std::string(SHOOTER_BUILD_NAME ": ") + what;
}

Vec2 circlingPoint(const Vec2& centre, int i) {
    return centre + Vec2(120.0 * std::cos(i * 0.2), 120.0 * std::sin(i * 0.2));
}

void warmUpEnemies(BenchGame& game, BenchSurface& surface) {
    for (int i = 0; i < liveEnemies; ++i) {
        game.holdEnemiesAt(liveEnemies);
        game.keepPlayerAlive();
        game.tick(surface.dc());
    }
}

ScenarioResult enemies(int width, int height, int frames) {
    BenchSurface surface(width, height);
    BenchGame game(surface);
    warmUpEnemies(game, surface);
    return measureFrames(
        label("50 live enemies"), surface, frames,
        [&](HDC target, int) {
            game.holdEnemiesAt(liveEnemies);
            game.keepPlayerAlive();
            game.tick(target);
        },
        [&] { return game.objectCount(); });
}

ScenarioResult weapon(int width, int height, int weaponNumber, int frames) {
    static const char* const names[] = {"scatter", "stream", "bomb", "flame", "volley"};
    BenchSurface surface(width, height);
    BenchGame game(surface);
    warmUpEnemies(game, surface);
    game.player()->weaponIndex = static_cast<unsigned int>(weaponNumber);
    game.world().leftButton = 1;
    const std::string name =
        label("weapon ") + std::to_string(weaponNumber) + " (" + names[weaponNumber] + ") held";
    return measureFrames(
        name, surface, frames,
        [&](HDC target, int i) {
            game.holdEnemiesAt(liveEnemies);
            game.keepPlayerAlive();
            game.moveMouse(circlingPoint(game.playerOnScreen(), i));
            game.tick(target);
        },
        [&] { return game.objectCount(); });
}

ScenarioResult deathBurst(int width, int height, int frames) {
    BenchSurface surface(width, height);
    BenchGame game(surface);
    warmUpEnemies(game, surface);
    // The next contact is the last: put an enemy on the player with 10 health left.
    game.player()->life = 10;
    game.world().solidList.get(0)->outline.position = game.player()->position;
    return measureFrames(
        label("player's death burst"), surface, frames, [&](HDC target, int) { game.tick(target); },
        [&] { return game.objectCount(); });
}

// The enemy nearest to the player, in the arena; the player's own position when there is none.
Vec2 nearestEnemy(BenchGame& game) {
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
void walkToward(BenchGame& game, const Vec2& target) {
    constexpr float flameReach = 120.0f;
    const Vec2 offset = target - game.player()->position;
    const bool outOfReach = offset.length() > flameReach;
    int* held = game.world().heldKeys;
    const bool sideways = outOfReach && std::fabs(offset.x) > Player::stepLength;
    const bool upOrDown = outOfReach && std::fabs(offset.y) > Player::stepLength;
    held[0] = sideways ? (offset.x > 0 ? VK_RIGHT : VK_LEFT) : 0;
    held[1] = upOrDown ? (offset.y > 0 ? VK_DOWN : VK_UP) : 0;
}

ScenarioResult wholeGame(int width, int height, int tickLimit) {
    BenchSurface surface(width, height);
    BenchGame game(surface);
    game.player()->weaponIndex = flameWeapon;
    game.world().leftButton = 1;
    int ticks = 0;
    // The game is over when the spawner has removed itself, leaving the world builder alone.
    auto running = [&] { return game.world().algorithmList.count() > 1 && ticks < tickLimit; };
    ScenarioResult result = measureFrames(
        label("whole game with the flame weapon"), surface, tickLimit,
        [&](HDC target, int) {
            game.keepPlayerAlive();
            const Vec2 enemy = nearestEnemy(game);
            walkToward(game, enemy);
            game.moveMouse(enemy + game.world().arena()->origin);
            game.tick(target);
            ticks += 1;
        },
        [&] { return game.objectCount(); }, running);
    const bool won = game.world().algorithmList.count() == 1 && game.player() != nullptr;
    result.note = (won ? "won after " : "not won after ") + std::to_string(ticks) + " ticks";
    return result;
}

void pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&message);
    }
}

// Runs the game live at 1920 x 1080 for a number of milliseconds after a warm-up that brings
// the enemies to 50. Like input messages, the scripted player changes the world only while the
// scene is locked: every 100 ms it keeps the enemies and itself alive, holds the flame weapon
// and moves the mouse on around the player.
std::string liveRun(ScenarioSet& set, int warmUpMs, int runMs) {
    BenchSurface surface(1920, 1080);
    BenchGame live(surface, Clock::Engine);
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
        set.fail("live run: no frame was drawn");
    }
    char text[320];
    std::snprintf(text, sizeof text,
                  "%s live: flame weapon held against 50 enemies at 1920x1080 for %.0f s on the "
                  "33 ms timer: %d frames, %d with elapsedTicks above 1 (%.2f%%), at most %d "
                  "ticks in one frame%s",
                  SHOOTER_BUILD_NAME, runMs / 1000.0, frames, late,
                  frames > 0 ? 100.0 * late / frames : 0.0, live.game.mostTicks.load(),
                  live.player() != nullptr ? "" : " (the player died)");
    return text;
}
} // namespace

int main(int argc, char** argv) {
    const BenchOptions options = parseBenchOptions(argc, argv);
    const int frames = options.pick(300, 60, 5);
    ScenarioSet set(options);
    for (const SIZE size : {SIZE{1920, 1080}, SIZE{800, 600}}) {
        const int width = size.cx;
        const int height = size.cy;
        set.run([&] {
            seedRandom(2026);
            return enemies(width, height, frames);
        });
        for (int w = 0; w < Player::weaponCount; ++w) {
            set.run([&] {
                seedRandom(2026);
                return weapon(width, height, w, frames);
            });
        }
        set.run([&] {
            seedRandom(2026);
            return deathBurst(width, height, options.pick(120, 60, 5));
        });
        set.run([&] {
            seedRandom(2026);
            return wholeGame(width, height, options.pick(20000, 1500, 60));
        });
    }
    seedRandom(2026);
    const int liveBefore = gdiCount::live();
    set.note(liveRun(set, options.smoke ? 300 : 2000, options.pick(60000, 5000, 1000)));
    if (gdiCount::live() != liveBefore) {
        set.fail("live run: counted GDI objects not back to " + std::to_string(liveBefore));
    }
    return set.finish();
}
