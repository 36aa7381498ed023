// The benchmark's scenarios, run into one ScenarioSet: the demonstration programs' scenes, and
// the shooter's scenarios in the look of one shooter program.
#pragma once

#include "frame_bench.h"
#include "shooter_look.h"

// ball_toss, ball_repel and rope_chase, each at its 800 x 600 window size.
void runDemoScenarios(ScenarioSet& set, const BenchOptions& options);

// The shooter's scenarios in a look, at 1920 x 1080 and 800 x 600, named "PROGRAM: ...", with
// the program's pointer loaded from the given bitmaps; then the live run on the engine's timer,
// reported as a note.
void runShooterScenarios(ScenarioSet& set, const BenchOptions& options, const char* program,
                         const ShooterLook& look, int pointerId, int pointerMaskId);
