// Frame timing, percentiles and the benchmark's table and CSV.
#include "frame_bench.h"

#include "gdi_objects.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>

namespace {
const char csvHeader[] = "scenario,width,height,frames,p50_ms,p99_ms,max_ms,p50_vs_floor,"
                         "p99_vs_floor,peak_objects,peak_gdi_objects";

double secondsPerCount() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1.0 / static_cast<double>(frequency.QuadPart);
}

double percentile(std::vector<double> sorted, double fraction) {
    if (sorted.empty()) {
        return 0.0;
    }
    const size_t index =
        static_cast<size_t>(fraction * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[std::min(index, sorted.size() - 1)];
}

std::string formatRow(const ScenarioResult& r) {
    char row[512];
    std::snprintf(row, sizeof row, "%s,%d,%d,%d,%.3f,%.3f,%.3f,%.2f,%.2f,%d,%d", r.scenario.c_str(),
                  r.width, r.height, r.frames, r.p50, r.p99, r.max, r.p50VsFloor, r.p99VsFloor,
                  r.peakObjects, r.peakGdiObjects);
    return row;
}
} // namespace

BenchOptions parseBenchOptions(int argc, char** argv) {
    BenchOptions options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quick") == 0) {
            options.quick = true;
        } else if (std::strcmp(argv[i], "--smoke") == 0) {
            options.smoke = true;
        } else if (std::strcmp(argv[i], "--csv") == 0 && i + 1 < argc) {
            options.csvPath = argv[++i];
        } else {
            std::fprintf(stderr, "usage: %s [--quick | --smoke] [--csv FILE]\n", argv[0]);
            std::exit(2);
        }
    }
    return options;
}

ScenarioResult measureFrames(const std::string& scenario, Stage<>& stage, int frames,
                             const FrameDrawer& draw, const ObjectCounter& countObjects,
                             const ScenarioGoesOn& goesOn) {
    static const double toMs = secondsPerCount() * 1000.0;
    const OffscreenSurface& surface = stage.surface;
    // What the window shows: WM_PAINT copies the whole finished surface into it.
    const OffscreenSurface shown(surface.width(), surface.height());
    std::vector<double> times;
    times.reserve(static_cast<size_t>(frames));
    ScenarioResult result;
    result.scenario = scenario;
    result.width = surface.width();
    result.height = surface.height();
    gdiCount::resetPeak();
    for (int i = 0; i < frames && (!goesOn || goesOn()); ++i) {
        LARGE_INTEGER start;
        LARGE_INTEGER stop;
        QueryPerformanceCounter(&start);
        drawScenarioFrame(stage, draw, i);
        BitBlt(shown.dc(), 0, 0, surface.width(), surface.height(), surface.dc(), 0, 0, SRCCOPY);
        GdiFlush();
        QueryPerformanceCounter(&stop);
        times.push_back(static_cast<double>(stop.QuadPart - start.QuadPart) * toMs);
        if (countObjects) {
            result.peakObjects = std::max(result.peakObjects, countObjects());
        }
    }
    result.frameTimes = times;
    summarise(result);
    result.peakGdiObjects = gdiCount::peak();
    return result;
}

void summarise(ScenarioResult& result) {
    std::vector<double> sorted = result.frameTimes;
    std::sort(sorted.begin(), sorted.end());
    result.frames = static_cast<int>(sorted.size());
    result.p50 = percentile(sorted, 0.50);
    result.p99 = percentile(sorted, 0.99);
    result.max = sorted.empty() ? 0.0 : sorted.back();
}

void keepFasterFrames(ScenarioResult& best, const ScenarioResult& another) {
    std::vector<double>& times = best.frameTimes;
    times.resize(std::min(times.size(), another.frameTimes.size()));
    for (size_t i = 0; i < times.size(); ++i) {
        times[i] = std::min(times[i], another.frameTimes[i]);
    }
    best.peakObjects = std::max(best.peakObjects, another.peakObjects);
    best.peakGdiObjects = std::max(best.peakGdiObjects, another.peakGdiObjects);
}

ScenarioResult measureFloor(Stage<>& stage, int frames) {
    return measureFrames("floor", stage, frames, nullptr, nullptr);
}

void reportResults(std::vector<ScenarioResult> results, const BenchOptions& options) {
    std::map<std::pair<int, int>, ScenarioResult> floors;
    for (const ScenarioResult& r : results) {
        if (r.scenario == "floor") {
            floors[{r.width, r.height}] = r;
        }
    }
    for (ScenarioResult& r : results) {
        const auto floor = floors.find({r.width, r.height});
        // Both percentiles against the floor's typical (p50) frame: the floor's own p99 is
        // mostly noise of the machine.
        if (floor != floors.end() && floor->second.p50 > 0) {
            r.p50VsFloor = r.p50 / floor->second.p50;
            r.p99VsFloor = r.p99 / floor->second.p50;
        }
    }
    std::printf("%-44s %9s %6s %8s %8s %8s %7s %7s %7s %6s\n", "scenario", "size", "frames",
                "p50 ms", "p99 ms", "max ms", "p50/fl", "p99/fl", "objects", "gdi");
    for (const ScenarioResult& r : results) {
        char size[32];
        std::snprintf(size, sizeof size, "%dx%d", r.width, r.height);
        std::printf("%-44s %9s %6d %8.3f %8.3f %8.3f %7.2f %7.2f %7d %6d%s%s\n", r.scenario.c_str(),
                    size, r.frames, r.p50, r.p99, r.max, r.p50VsFloor, r.p99VsFloor, r.peakObjects,
                    r.peakGdiObjects, r.note.empty() ? "" : "  ", r.note.c_str());
    }
    if (!options.csvPath.empty()) {
        std::ofstream csv(options.csvPath);
        csv << csvHeader << "\n";
        for (const ScenarioResult& r : results) {
            csv << formatRow(r) << "\n";
        }
    }
}

namespace {
std::string describe(const ScenarioResult& r) {
    return r.scenario + " " + std::to_string(r.width) + "x" + std::to_string(r.height);
}

const char* verdict(bool met) {
    return met ? "met" : "MISSED";
}
} // namespace

void reportTargets(const std::vector<ScenarioResult>& results) {
    const ScenarioResult* floor = nullptr;
    for (const ScenarioResult& r : results) {
        if (r.scenario == "floor" && r.width == 1920 && r.height == 1080) {
            floor = &r;
        }
    }
    if (floor == nullptr || floor->p50 <= 0) {
        std::printf("targets: no 1920x1080 floor to compare with\n");
        return;
    }
    const double base = floor->p50;
    const ScenarioResult* slowest = nullptr;
    const ScenarioResult* heaviestShooter = nullptr;
    const ScenarioResult* mostGdi = nullptr;
    std::vector<std::string> slowMisses;
    std::vector<std::string> gdiMisses;
    for (const ScenarioResult& r : results) {
        if (r.scenario == "floor") {
            continue;
        }
        if (slowest == nullptr || r.p99 > slowest->p99) {
            slowest = &r;
        }
        if (r.p99 > 20.0 * base) {
            slowMisses.push_back(describe(r));
        }
        if (r.scenario.rfind("shooter", 0) == 0 &&
            (heaviestShooter == nullptr || r.p50 > heaviestShooter->p50)) {
            heaviestShooter = &r;
        }
        if (mostGdi == nullptr || r.peakGdiObjects > mostGdi->peakGdiObjects) {
            mostGdi = &r;
        }
        if (r.peakGdiObjects >= 2000) {
            gdiMisses.push_back(describe(r));
        }
    }
    std::printf("targets, against the 1920x1080 floor's p50 of %.3f ms:\n", base);
    if (slowest != nullptr) {
        std::printf("  every p99 at most 20x the floor: %s; highest %.2fx (%s)\n",
                    verdict(slowMisses.empty()), slowest->p99 / base, describe(*slowest).c_str());
        for (const std::string& miss : slowMisses) {
            std::printf("    over: %s\n", miss.c_str());
        }
    }
    if (heaviestShooter != nullptr) {
        const double ratio = heaviestShooter->p50 / base;
        std::printf("  heaviest shooter scenario's p50 at most 8x the floor: %s; %.2fx (%s)\n",
                    verdict(ratio <= 8.0), ratio, describe(*heaviestShooter).c_str());
    }
    if (mostGdi != nullptr) {
        std::printf("  peak live GDI objects below 2000: %s; most %d (%s)\n",
                    verdict(gdiMisses.empty()), mostGdi->peakGdiObjects,
                    describe(*mostGdi).c_str());
        for (const std::string& miss : gdiMisses) {
            std::printf("    over: %s\n", miss.c_str());
        }
    }
}

void ScenarioSet::run(const std::function<ScenarioResult()>& scenario) {
    ScenarioResult best;
    for (int run = 0; run < options.repeats(); ++run) {
        const int liveBefore = gdiCount::live();
        const ScenarioResult result = scenario();
        const int liveAfter = gdiCount::live();
        if (result.frames == 0) {
            fail(describe(result) + ": drew no frame");
        }
        if (liveAfter != liveBefore) {
            fail(describe(result) + ": " + std::to_string(liveBefore) +
                 " counted GDI objects before, " + std::to_string(liveAfter) +
                 " after the scene was destroyed");
        }
        if (run == 0) {
            best = result;
        } else {
            keepFasterFrames(best, result);
        }
    }
    summarise(best);
    results.push_back(best);
}

void ScenarioSet::note(const std::string& text) {
    notes.push_back(text);
}

void ScenarioSet::fail(const std::string& why) {
    std::fprintf(stderr, "bench failure: %s\n", why.c_str());
    failures += 1;
}

int ScenarioSet::finish() {
    reportResults(results, options);
    for (const std::string& text : notes) {
        std::printf("# %s\n", text.c_str());
    }
    reportTargets(results);
    if (failures > 0) {
        std::printf("FAILED: %d scenario checks\n", failures);
    }
    std::fflush(stdout);
    return failures == 0 ? 0 : 1;
}
