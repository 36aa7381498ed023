// The demonstration programs' scenarios as scripts, apart from their timing: a DemoScript builds
// its program's scene on a stage as the program builds it on its window, brings it to its first
// frame, and then, frame by frame, plays the scripted input and draws one tick. The benchmark times
// the frames of its scripts (runDemoScenarios); the recorder writes out those of the gallery loops.
#pragma once

#include "scenario_frame.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Every demonstration scenario starts from this seed.
constexpr unsigned int demoSeed = 12345;
// The demonstration programs' window size.
constexpr int demoWidth = 800;
constexpr int demoHeight = 600;

// A demonstration scene built on a stage, with the script that plays it.
class ScriptedDemo {
public:
    virtual ~ScriptedDemo() = default;
    // Plays frame frameIndex's input and draws its tick into target.
    virtual void frame(HDC target, int frameIndex) = 0;
    virtual int objectCount() const = 0;
};

struct DemoScript {
    std::string name;
    // Frames in a full, a --quick and a --smoke run.
    int fullFrames;
    int quickFrames;
    int smokeFrames;
    // Builds the scene on the stage's window and brings it to the first frame.
    std::function<std::unique_ptr<ScriptedDemo>(Stage<>& stage)> start;
};

// The benchmark's: ball_toss with five thrown balls and 20 firework bursts alive, ball_repel
// with the cursor sweeping through the balls, rope_chase with the cursor circling fast and 20
// bursts alive.
std::vector<DemoScript> demoScripts();

// The gallery's loops, each named after its program: ball_toss throwing a ball and setting off
// fireworks, ball_repel with the cursor sweeping through the balls, rope_chase with the ropes
// chasing a circling cursor and a burst.
std::vector<DemoScript> demoGalleryLoops();
