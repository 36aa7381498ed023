// bench.exe: measures the cost of a frame in every program's heaviest scenes against the cost of
// an empty frame (clear and copy only) of the same size, in one process: the floors, the
// demonstration programs' scenes, and the shooter's scenarios as each shooter program plays
// them.
//     bench.exe [--quick | --smoke] [--csv FILE]
// The exit code is 1 when a scenario drew no frame or left counted GDI objects behind.
#include "frame_bench.h"
#include "scenarios.h"
#include "shooter_programs.h"

int main(int argc, char** argv) {
    const BenchOptions options = parseBenchOptions(argc, argv);
    ScenarioSet set(options);
    const int floorFrames = options.pick(1000, 150, 5);
    for (const SIZE size : {SIZE{1920, 1080}, SIZE{800, 600}}) {
        set.run([&] {
            Stage<> stage(size.cx, size.cy);
            return measureFloor(stage, floorFrames);
        });
    }
    runDemoScenarios(set, options);
    for (const ShooterProgram& program : shooterPrograms) {
        runShooterScenarios(set, options, program);
    }
    return set.finish();
}
