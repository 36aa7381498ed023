// The benchmark's scenarios, run into one ScenarioSet: the demonstration programs' scenes, and
// the shooter's scenarios as one shooter program plays them.
#pragma once

#include "frame_bench.h"
#include "shooter_programs.h"

// ball_toss, ball_repel and rope_chase, each at its 800 x 600 window size.
void runDemoScenarios(ScenarioSet& set, const BenchOptions& options);

// The shooter's scenarios as one shooter program plays them (its look and its pointer), at
// 1920 x 1080 and 800 x 600, named "PROGRAM: ..."; then the live run on the engine's timer,
// reported as a note.
void runShooterScenarios(ScenarioSet& set, const BenchOptions& options,
                         const ShooterProgram& program);
