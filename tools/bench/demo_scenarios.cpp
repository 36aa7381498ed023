// The demonstration programs' scripts, each at its 800 x 600 window size, and their runs in the
// benchmark.
#include "demo_scenarios.h"

#include "ball_repel/ball_repel_scene.h"
#include "ball_toss/ball_toss_scene.h"
#include "ball_toss/trail_ball.h"
#include "frame_bench.h"
#include "random.h"
#include "rope_chase/rope_chase_scene.h"
#include "scenarios.h"

#include <cmath>
#include <utility>

namespace {
LPARAM at(double x, double y) {
    return MAKELPARAM(static_cast<int>(x), static_cast<int>(y));
}

LPARAM at(const Vec2& point) {
    return at(point.x, point.y);
}

// A program's scene built on the stage's window as the program builds it on WM_CREATE, without
// the timer: the script's caller draws the frames.
template <class Scene> class PlayedDemo final : public ScriptedDemo {
public:
    using Script = std::function<void(Scene& scene, HDC target, int frameIndex)>;

    PlayedDemo(Stage<>& stage, Script frameScript) : script(std::move(frameScript)) {
        scene.attachWindow(stage.window.handle());
        scene.buildScene();
    }
    void frame(HDC target, int frameIndex) override { script(scene, target, frameIndex); }
    int objectCount() const override { return scene.objectList.count(); }

    Scene scene;

private:
    Script script;
};

const TrailBall* ball(const BallTossScene& scene, int index) {
    return static_cast<const TrailBall*>(scene.objectList.get(index));
}

// Throws every ball once: grab it, pull the mouse away over a frame, release.
void throwBalls(BallTossScene& scene, HDC target) {
    for (int i = 0; i < BallTossScene::ballCount; ++i) {
        const double x = ball(scene, i)->position.x;
        const double y = ball(scene, i)->position.y;
        scene.onMouseMove(0, at(x, y));
        scene.onLeftDown(0, at(x, y));
        scene.renderFrame(target, 1);
        scene.onMouseMove(0, at(x + 45 - 18 * i, y + 30 - 11 * i));
        scene.renderFrame(target, 1);
        scene.onLeftUp(0, at(x + 45 - 18 * i, y + 30 - 11 * i));
    }
}

// The cursor's path through ball_repel's balls, frame by frame.
LPARAM sweepingPoint(int frameIndex) {
    return at(400 + 350 * std::sin(frameIndex * 0.10), 300 + 250 * std::sin(frameIndex * 0.07));
}

// The cursor's circle in rope_chase, turning by the given angle every frame.
LPARAM circlingPoint(int frameIndex, double radiansPerFrame) {
    return at(400 + 220 * std::cos(frameIndex * radiansPerFrame),
              300 + 200 * std::sin(frameIndex * radiansPerFrame));
}

void sweepThroughBalls(BallRepelScene& scene, HDC target, int frameIndex) {
    scene.onMouseMove(0, sweepingPoint(frameIndex));
    scene.renderFrame(target, 1);
}

// A point on the way from one point to another, steps of the given number along.
LPARAM between(const Vec2& from, const Vec2& to, int step, int steps) {
    const double share = static_cast<double>(step) / steps;
    return at(from.x + (to.x - from.x) * share, from.y + (to.y - from.y) * share);
}

// The cursor's wandering path over ball_toss's window after the throw.
Vec2 wanderingPoint(int frameIndex) {
    return Vec2(400 + 260 * std::sin(frameIndex * 0.045), 260 + 150 * std::sin(frameIndex * 0.09));
}

// The gallery's ball_toss: the cursor glides to a ball, grabs it, pulls it up and to the right
// over a few frames and lets go; then it glides onto a wandering path and sets off a firework
// burst every 14 frames.
class ThrowAndFireworks {
public:
    void operator()(BallTossScene& scene, HDC target, int frameIndex) {
        constexpr int glideFrames = 15;
        constexpr int dragFrames = 6;
        constexpr int letGoFrame = glideFrames + dragFrames + 1;
        constexpr int joinFrames = 10;
        const Vec2 start(150, 450);
        if (frameIndex < glideFrames) {
            scene.onMouseMove(0, between(start, ball(scene, 0)->position, frameIndex, glideFrames));
        } else if (frameIndex == glideFrames) {
            scene.onLeftDown(0, at(ball(scene, 0)->position));
        } else if (frameIndex < letGoFrame) {
            scene.onMouseMove(0, at(scene.mouse.x + 24, scene.mouse.y - 14));
        } else if (frameIndex == letGoFrame) {
            letGoAt = scene.mouse;
            scene.onLeftUp(0, at(letGoAt));
        } else if (frameIndex < letGoFrame + joinFrames) {
            scene.onMouseMove(0, between(letGoAt, wanderingPoint(letGoFrame + joinFrames),
                                         frameIndex - letGoFrame, joinFrames));
        } else if ((frameIndex - letGoFrame) % 14 == 0) {
            scene.onRightDown(0, at(wanderingPoint(frameIndex)));
        } else {
            scene.onMouseMove(0, at(wanderingPoint(frameIndex)));
        }
        scene.renderFrame(target, 1);
    }

private:
    Vec2 letGoAt;
};
} // namespace

std::vector<DemoScript> demoScripts() {
    std::vector<DemoScript> scripts;
    scripts.push_back({"ball_toss: 5 thrown balls + 20 bursts", 1000, 150, 5, [](Stage<>& stage) {
                           auto demo = std::make_unique<PlayedDemo<BallTossScene>>(
                               stage, [](BallTossScene& scene, HDC target, int frameIndex) {
                                   // Right-clicks top the bursts up to 20 alive, spread over the
                                   // window.
                                   if (scene.objectList.count() < BallTossScene::ballCount + 20) {
                                       scene.onRightDown(0, at(100 + (frameIndex * 37) % 600,
                                                               80 + (frameIndex * 53) % 440));
                                   }
                                   scene.renderFrame(target, 1);
                               });
                           throwBalls(demo->scene, stage.surface.dc());
                           return demo;
                       }});
    scripts.push_back(
        {"ball_repel: cursor sweeping through 24 balls", 1000, 150, 5, [](Stage<>& stage) {
             return std::make_unique<PlayedDemo<BallRepelScene>>(stage, sweepThroughBalls);
         }});
    scripts.push_back(
        {"rope_chase: fast circling cursor + 20 bursts", 1000, 150, 5, [](Stage<>& stage) {
             return std::make_unique<PlayedDemo<RopeChaseScene>>(
                 stage, [](RopeChaseScene& scene, HDC target, int frameIndex) {
                     scene.onMouseMove(0, circlingPoint(frameIndex, 0.5));
                     // Clicks top the bursts up to 20 alive beside the two ropes.
                     if (scene.objectList.count() < 2 + 20) {
                         scene.onLeftDown(0, 0);
                     }
                     scene.renderFrame(target, 1);
                 });
         }});
    return scripts;
}

std::vector<DemoScript> demoGalleryLoops() {
    std::vector<DemoScript> loops;
    loops.push_back({"ball_toss", 120, 120, 3, [](Stage<>& stage) {
                         return std::make_unique<PlayedDemo<BallTossScene>>(stage,
                                                                            ThrowAndFireworks());
                     }});
    loops.push_back({"ball_repel", 120, 120, 3, [](Stage<>& stage) {
                         return std::make_unique<PlayedDemo<BallRepelScene>>(stage,
                                                                             sweepThroughBalls);
                     }});
    loops.push_back({"rope_chase", 120, 120, 3, [](Stage<>& stage) {
                         return std::make_unique<PlayedDemo<RopeChaseScene>>(
                             stage, [](RopeChaseScene& scene, HDC target, int frameIndex) {
                                 scene.onMouseMove(0, circlingPoint(frameIndex, 0.12));
                                 if (frameIndex == 20 || frameIndex == 70) {
                                     scene.onLeftDown(0, 0);
                                 }
                                 scene.renderFrame(target, 1);
                             });
                     }});
    return loops;
}

void runDemoScenarios(ScenarioSet& set, const BenchOptions& options) {
    for (const DemoScript& script : demoScripts()) {
        set.run([&] {
            seedRandom(demoSeed);
            Stage<> stage(demoWidth, demoHeight);
            const std::unique_ptr<ScriptedDemo> demo = script.start(stage);
            return measureFrames(
                script.name, stage,
                options.pick(script.fullFrames, script.quickFrames, script.smokeFrames),
                [&](HDC target, int frameIndex) { demo->frame(target, frameIndex); },
                [&] { return demo->objectCount(); });
        });
    }
}
