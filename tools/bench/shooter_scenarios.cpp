// Benchmark scenarios of a shooter build (compiled once per build), at 1920 x 1080 and at
// 800 x 600: 50 live enemies; each of the five weapons held for 300 ticks while the mouse
// circles the player; the player's death burst; a whole game played until the win text by a
// scripted player who aims at the nearest enemy with the flame weapon.
#include "area.h"
#include "entity.h"
#include "frame_bench.h"
#include "player.h"
#include "random.h"
#include "shooter_game.h"
#include "solid.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

// SHOOTER_BUILD_NAME names the build in the report; the build system defines it.

namespace {
constexpr int flameWeapon = 3;
constexpr int liveEnemies = 50;

// A game built on the benchmark surface's window, as the program builds it on WM_CREATE.
class BenchGame {
public:
    explicit BenchGame(BenchSurface& surface) {
        game.attachWindow(surface.window());
        game.buildScene();
    }

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

    ShooterGame game;
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

// The enemy nearest to the player, on screen; the player's own position when there is none.
Vec2 nearestEnemy(BenchGame& game) {
    const Vec2 origin = game.world().arena()->origin;
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
    return best + origin;
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
            game.moveMouse(nearestEnemy(game));
            game.tick(target);
            ticks += 1;
        },
        [&] { return game.objectCount(); }, running);
    const bool won = game.world().algorithmList.count() == 1 && game.player() != nullptr;
    result.note = (won ? "won after " : "not won after ") + std::to_string(ticks) + " ticks";
    return result;
}
} // namespace

int main(int argc, char** argv) {
    const BenchOptions options = parseBenchOptions(argc, argv);
    const int frames = options.quick ? 60 : 300;
    std::vector<ScenarioResult> results;
    for (const SIZE size : {SIZE{1920, 1080}, SIZE{800, 600}}) {
        seedRandom(2026);
        results.push_back(enemies(size.cx, size.cy, frames));
        for (int w = 0; w < Player::weaponCount; ++w) {
            seedRandom(2026);
            results.push_back(weapon(size.cx, size.cy, w, frames));
        }
        seedRandom(2026);
        results.push_back(deathBurst(size.cx, size.cy, options.quick ? 60 : 120));
        seedRandom(2026);
        results.push_back(wholeGame(size.cx, size.cy, options.quick ? 1500 : 20000));
    }
    reportResults(results, options);
    for (const ScenarioResult& r : results) {
        if (!r.note.empty() && options.rowsOnly) {
            std::printf("# %s %dx%d: %s\n", r.scenario.c_str(), r.width, r.height, r.note.c_str());
        }
    }
    return 0;
}
