// Benchmark scenarios of the three demonstration programs, each at its 800 x 600 window size:
// ball_toss with five thrown balls and 20 firework bursts alive, ball_repel with the cursor
// sweeping through the balls, rope_chase with the cursor circling fast and 20 bursts alive.
#include "ball_repel_scene.h"
#include "ball_toss_scene.h"
#include "frame_bench.h"
#include "random.h"
#include "rope_chase_scene.h"
#include "scenarios.h"
#include "trail_ball.h"

#include <cmath>
#include <vector>

namespace {
constexpr int width = 800;
constexpr int height = 600;

LPARAM at(double x, double y) {
    return MAKELPARAM(static_cast<int>(x), static_cast<int>(y));
}

// Throws every ball once: grab it, pull the mouse away over a frame, release.
void throwBalls(BallTossScene& scene, HDC target) {
    for (int i = 0; i < scene.objectList.count(); ++i) {
        const TrailBall* ball = static_cast<const TrailBall*>(scene.objectList.get(i));
        const double x = ball->position.x;
        const double y = ball->position.y;
        scene.onMouseMove(0, at(x, y));
        scene.onLeftDown(0, at(x, y));
        scene.renderFrame(target, 1);
        scene.onMouseMove(0, at(x + 45 - 18 * i, y + 30 - 11 * i));
        scene.renderFrame(target, 1);
        scene.onLeftUp(0, at(x + 45 - 18 * i, y + 30 - 11 * i));
    }
}

ScenarioResult ballToss(int frames) {
    BenchSurface surface(width, height);
    BallTossScene scene;
    scene.attachWindow(surface.window());
    scene.buildScene();
    throwBalls(scene, surface.dc());
    const int wanted = BallTossScene::ballCount + 20;
    return measureFrames(
        "ball_toss: 5 thrown balls + 20 bursts", surface, frames,
        [&](HDC target, int i) {
            // Right-clicks top the bursts up to 20 alive, spread over the window.
            if (scene.objectList.count() < wanted) {
                scene.onRightDown(0, at(100 + (i * 37) % 600, 80 + (i * 53) % 440));
            }
            scene.renderFrame(target, 1);
        },
        [&] { return scene.objectList.count(); });
}

ScenarioResult ballRepel(int frames) {
    BenchSurface surface(width, height);
    BallRepelScene scene;
    scene.attachWindow(surface.window());
    scene.buildScene();
    return measureFrames(
        "ball_repel: cursor sweeping through 24 balls", surface, frames,
        [&](HDC target, int i) {
            scene.onMouseMove(0,
                              at(400 + 350 * std::sin(i * 0.10), 300 + 250 * std::sin(i * 0.07)));
            scene.renderFrame(target, 1);
        },
        [&] { return scene.objectList.count(); });
}

ScenarioResult ropeChase(int frames) {
    BenchSurface surface(width, height);
    RopeChaseScene scene;
    scene.attachWindow(surface.window());
    scene.buildScene();
    const int wanted = 2 + 20;
    return measureFrames(
        "rope_chase: fast circling cursor + 20 bursts", surface, frames,
        [&](HDC target, int i) {
            scene.onMouseMove(0, at(400 + 220 * std::cos(i * 0.5), 300 + 200 * std::sin(i * 0.5)));
            if (scene.objectList.count() < wanted) {
                scene.onLeftDown(0, 0);
            }
            scene.renderFrame(target, 1);
        },
        [&] { return scene.objectList.count(); });
}
} // namespace

void runDemoScenarios(ScenarioSet& set, const BenchOptions& options) {
    const int frames = options.pick(1000, 150, 5);
    set.run([&] {
        seedRandom(12345);
        return ballToss(frames);
    });
    set.run([&] {
        seedRandom(12345);
        return ballRepel(frames);
    });
    set.run([&] {
        seedRandom(12345);
        return ropeChase(frames);
    });
}
