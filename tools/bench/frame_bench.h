// Frame-time measurement of the benchmark: the time of the engine's per-frame work around a
// scene (clear, draw, restore the stock pen and brush, copy to the window, flush), percentiles
// and the report.
#pragma once

#include "scenario_frame.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct BenchOptions {
    bool quick = false;
    // A few frames per scenario: the test suite's run, which checks that everything runs and
    // returns its GDI objects, not how long it takes.
    bool smoke = false;
    std::string csvPath;

    // The value for the run's length: full, --quick or --smoke.
    int pick(int full, int quickRun, int smokeRun) const {
        return smoke ? smokeRun : quick ? quickRun : full;
    }
    // How often each scenario runs; a frame's time is the least of its runs.
    int repeats() const { return pick(3, 2, 2); }
};

BenchOptions parseBenchOptions(int argc, char** argv);

struct ScenarioResult {
    std::string scenario;
    int width = 0;
    int height = 0;
    int frames = 0;
    double p50 = 0;
    double p99 = 0;
    double max = 0;
    double p50VsFloor = 0;
    double p99VsFloor = 0;
    int peakObjects = 0;
    int peakGdiObjects = 0;
    // Anything else worth reporting (for example the ticks a scripted game took).
    std::string note;
    // Every frame's time in milliseconds, in the order drawn (not part of the rows).
    std::vector<double> frameTimes;
};

// Sets frames, p50, p99 and max from frameTimes.
void summarise(ScenarioResult& result);

// Merges another run of the same seeded scenario into best: each frame keeps the shorter of
// its two times. The scenarios are deterministic, so the same frame does the same work in
// every run, and a frame that another program on the machine delayed in one run shows its own
// cost in another. Call summarise afterwards.
void keepFasterFrames(ScenarioResult& best, const ScenarioResult& another);

// The number of scene objects alive after a frame, for the peak column.
using ObjectCounter = std::function<int()>;
// Asked before every frame: false ends the scenario early (a scripted game that is over).
using ScenarioGoesOn = std::function<bool()>;

// Times up to `frames` frames: each is the engine's frame steps around the drawer and the copy
// of the finished surface that WM_PAINT makes, measured together.
ScenarioResult measureFrames(const std::string& scenario, Stage<>& stage, int frames,
                             const FrameDrawer& draw, const ObjectCounter& countObjects,
                             const ScenarioGoesOn& goesOn = nullptr);

// The floor: the same surface with an empty scene (clear and copy only).
ScenarioResult measureFloor(Stage<>& stage, int frames);

// Fills in the ratios to the floor of the same size, prints the results and writes the CSV.
void reportResults(std::vector<ScenarioResult> results, const BenchOptions& options);

// Prints how the results compare with the frame-time and GDI targets, all measured against
// the 1920 x 1080 floor's p50 of the same run.
void reportTargets(const std::vector<ScenarioResult>& results);

// The benchmark's scenarios. Each scenario seeds the generator, builds its scene, measures it and
// destroys it; run() runs it options.repeats() times, keeps the faster time of every frame, and
// checks that it drew frames and deleted every counted GDI object it created.
class ScenarioSet {
public:
    explicit ScenarioSet(const BenchOptions& setOptions) : options(setOptions) {}

    void run(const std::function<ScenarioResult()>& scenario);
    // A line for the report that belongs to no row (printed as "# text").
    void note(const std::string& text);
    // A failure found outside run().
    void fail(const std::string& why);
    // Reports the rows, the notes and the targets; returns the exit code: 0, or 1 when anything
    // failed.
    int finish();

private:
    BenchOptions options;
    std::vector<ScenarioResult> results;
    std::vector<std::string> notes;
    int failures = 0;
};
