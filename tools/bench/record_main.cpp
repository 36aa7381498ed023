// record.exe: renders the gallery's loops, one per program, frame by frame on memory surfaces
// exactly as the benchmark draws its scenarios (the same scene classes, seeds and scripted
// input, every tick a frame), with each program's own pointer, and writes every frame as a
// 24-bit BMP file: DIR/PROGRAM/NNN.bmp. tools/gallery.sh turns them into the animated GIFs.
//     record.exe DIR [--smoke]
// --smoke writes only a few frames of each loop (the test suite's run). The exit code is 1 when
// a frame could not be written.
#include "demo_scenarios.h"
#include "frame_recorder.h"
#include "random.h"
#include "shooter_programs.h"
#include "shooter_scenarios.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {
// The shooter's loop at a window size that halves into a picture that still reads.
constexpr int shooterWidth = 800;
constexpr int shooterHeight = 600;

bool recordShooterLoop(const std::string& folder, bool smoke, const ShooterProgram& program) {
    const ShooterScript loop = shooterGalleryLoop();
    const int frames = smoke ? loop.smokeFrames : loop.fullFrames;
    seedRandom(shooterSeed);
    Stage<> stage(shooterWidth, shooterHeight);
    ScriptedGame game(stage, program);
    loop.prepare(game, stage.surface.dc());
    return recordFrames(folder, stage, frames,
                        [&](HDC target, int i) { loop.frame(game, target, i); }) == frames;
}

bool recordDemoLoop(const std::string& folder, bool smoke, const DemoScript& loop) {
    const int frames = smoke ? loop.smokeFrames : loop.fullFrames;
    seedRandom(demoSeed);
    Stage<> stage(demoWidth, demoHeight);
    const std::unique_ptr<ScriptedDemo> demo = loop.start(stage);
    return recordFrames(folder, stage, frames,
                        [&](HDC target, int i) { demo->frame(target, i); }) == frames;
}
} // namespace

int main(int argc, char** argv) {
    const bool smoke = argc == 3 && std::strcmp(argv[2], "--smoke") == 0;
    if (argc != 2 && !smoke) {
        std::fprintf(stderr, "usage: %s DIR [--smoke]\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    CreateDirectoryA(dir.c_str(), nullptr);
    bool written = true;
    for (const ShooterProgram& program : shooterPrograms) {
        written &= recordShooterLoop(dir + "/" + program.name, smoke, program);
    }
    for (const DemoScript& loop : demoGalleryLoops()) {
        written &= recordDemoLoop(dir + "/" + loop.name, smoke, loop);
    }
    return written ? 0 : 1;
}
