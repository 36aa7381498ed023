// The shooter's scenarios as scripts, apart from their timing: a ScriptedGame is the game built
// on a stage as the program builds it on its window, and a ShooterScript brings it to its first
// frame and then, frame by frame, plays the scripted input and draws one tick. The benchmark times
// the frames of its scripts (runShooterScenarios); the recorder writes out those of the gallery's
// loop.
#pragma once

#include "combat/player.h"
#include "frame_bench.h"
#include "game/shooter_game.h"
#include "look/shooter_look.h"
#include "shooter_programs.h"

#include <atomic>
#include <functional>
#include <string>
#include <vector>

// The shooter's scene, counting the frames while asked to, and among them the ones that folded
// more than one tick (on the engine's timer a frame that took longer than a tick does that).
class CountingGame : public ShooterGame {
public:
    // The benchmark's programs carry every shooter program's pointer under its record's numbers.
    explicit CountingGame(const ShooterProgram& record)
        : ShooterGame(record, PointerResources::ByRecord) {}
    void renderFrame(HDC target, int elapsedTicks) override;

    std::atomic<bool> counting{false};
    std::atomic<int> frames{0};
    std::atomic<int> lateFrames{0};
    std::atomic<int> mostTicks{0};
};

enum class Clock {
    // Frames are drawn by the script's caller, one tick each, into its own surface.
    Scripted,
    // The engine's timer and render threads draw the frames, as in the program.
    Engine,
};

// A shooter program's game built on a stage's window, as the program builds it on WM_CREATE, in
// its look and with its pointer; and the moves of a scripted player.
class ScriptedGame {
public:
    ScriptedGame(Stage<>& stage, const ShooterProgram& program, Clock clock = Clock::Scripted);
    // No frame may run while the world is destroyed: stop the ticks as closing the window does.
    ~ScriptedGame() { game.pause(); }
    ScriptedGame(const ScriptedGame&) = delete;
    ScriptedGame& operator=(const ScriptedGame&) = delete;

    World& world() { return game.world; }
    Player* player() { return static_cast<Player*>(game.world.player()); }
    Vec2 playerOnScreen();
    // Keeps count enemies alive: the spawner releases one while its life exceeds the live ones.
    void holdEnemiesAt(int count);
    void keepPlayerAlive();
    void moveMouse(const Vec2& at);
    // Aims the flame weapon at the nearest enemy and walks toward it while it is out of reach.
    void huntNearestEnemy();
    // Holds the arrow keys toward the nearest enemy while it is out of the flames' reach.
    void walkTowardNearestEnemy();
    // Won: the spawner has removed itself and the player lives.
    bool won();
    void tick(HDC target) { game.renderFrame(target, 1); }

    CountingGame game;
};

// Every shooter scenario starts from this seed.
constexpr unsigned int shooterSeed = 2026;

struct ShooterScript {
    std::string name;
    // Frames in a full, a --quick and a --smoke run.
    int fullFrames;
    int quickFrames;
    int smokeFrames;
    // Brings the game to the first frame, drawing warm-up ticks into scratch.
    std::function<void(ScriptedGame& game, HDC scratch)> prepare;
    // Plays frame i's input and draws its tick into target.
    std::function<void(ScriptedGame& game, HDC target, int i)> frame;
    // Asked before every frame; false ends the script early. Empty: it runs all its frames.
    std::function<bool(ScriptedGame& game)> goesOn;
};

// 50 live enemies; each of the five weapons held while the mouse circles the player; the
// player's death burst; a whole game played until the win text by a scripted player who aims
// the flame weapon at the nearest enemy and walks toward it when it is out of reach.
std::vector<ShooterScript> shooterScripts();

// The gallery's loop: 50 enemies, the bomb held while the mouse circles the player, then a
// right-click to the flame, held while the player walks toward the nearest enemy.
ShooterScript shooterGalleryLoop();
