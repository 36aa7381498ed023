// bench.exe: measures the cost of a frame in every program's heaviest scenes against the cost of
// an empty frame (clear and copy only) of the same size, in one process: the floors, the
// demonstration programs' scenes, and the shooter's scenarios in the look of each shooter
// program.
//     bench.exe [--quick | --smoke] [--csv FILE]
// The exit code is 1 when a scenario drew no frame or left counted GDI objects behind.
#include "bench_resource_ids.h"
#include "frame_bench.h"
#include "scenarios.h"
#include "shooter_look.h"
#include "variant_look.h"

int main(int argc, char** argv) {
    const BenchOptions options = parseBenchOptions(argc, argv);
    ScenarioSet set(options);
    const int floorFrames = options.pick(1000, 150, 5);
    for (const SIZE size : {SIZE{1920, 1080}, SIZE{800, 600}}) {
        set.run([&] {
            BenchSurface surface(size.cx, size.cy);
            return measureFloor(surface, floorFrames);
        });
    }
    runDemoScenarios(set, options);
    runShooterScenarios(set, options, "shooter", shooterLook, IDB_BENCH_CROSSHAIR,
                        IDB_BENCH_CROSSHAIR_MASK);
    runShooterScenarios(set, options, "shooter_variant", variantLook, IDB_BENCH_VARIANT_ARROW,
                        IDB_BENCH_VARIANT_ARROW_MASK);
    return set.finish();
}
