// Frame-time measurement shared by the benchmark programs: a screen-compatible surface of a
// given size, the per-frame work the engine does around a scene (clear, draw, restore the stock
// pen and brush, copy to the window, flush), timing, percentiles and the report.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct BenchOptions {
    bool quick = false;
    std::string csvPath;
    // Set by the driver: print the result rows as CSV on standard output only.
    bool rowsOnly = false;
};

BenchOptions parseBenchOptions(int argc, char** argv);

// A frame surface and the "window" it is copied to, both compatible with the screen.
class BenchSurface {
public:
    BenchSurface(int width, int height);
    ~BenchSurface();
    BenchSurface(const BenchSurface&) = delete;
    BenchSurface& operator=(const BenchSurface&) = delete;

    HDC dc() const { return frameDC; }
    int width() const { return surfaceWidth; }
    int height() const { return surfaceHeight; }
    // A hidden window whose client area has the surface's size, for scenes that need one.
    HWND window() const { return windowHandle; }
    // What the engine does on WM_PAINT: copy the whole surface to the window.
    void copyToWindow() const;

private:
    int surfaceWidth;
    int surfaceHeight;
    HWND windowHandle;
    HDC frameDC;
    HBITMAP frameBitmap;
    HDC copyDC;
    HBITMAP copyBitmap;
};

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
};

// Draws one frame of a scenario into the surface: frameIndex counts from 0.
using FrameDrawer = std::function<void(HDC target, int frameIndex)>;
// The number of scene objects alive after a frame, for the peak column.
using ObjectCounter = std::function<int()>;
// Asked before every frame: false ends the scenario early (a scripted game that is over).
using ScenarioGoesOn = std::function<bool()>;

// Times up to `frames` frames: each is the engine's clear, the drawer, the restore of the stock
// pen and brush, the copy to the window and GdiFlush, measured together.
ScenarioResult measureFrames(const std::string& scenario, BenchSurface& surface, int frames,
                             const FrameDrawer& draw, const ObjectCounter& countObjects,
                             const ScenarioGoesOn& goesOn = nullptr);

// The floor: the same surface with an empty scene (clear and copy only).
ScenarioResult measureFloor(BenchSurface& surface, int frames);

// Fills in the ratios to the floor of the same size and prints or writes the results.
void reportResults(std::vector<ScenarioResult> results, const BenchOptions& options);

// Parses result rows as printed with rowsOnly (the driver collects them from its sets).
std::vector<ScenarioResult> parseResultRows(const std::string& text);
