// Helpers of the demonstration scenes' tests: a program's scene built on a stage of the
// programs' client size (its hidden window and white frame surface), so that frames and input
// can be driven directly, without the timer.
#pragma once

#include "stage.h"
#include "test_surface.h"
#include "vec2.h"
#include "vec2_checks.h"

#include "random_draws.h"

#include <gtest/gtest.h>

#include <vector>

constexpr int clientWidth = 800;
constexpr int clientHeight = 600;
constexpr COLORREF white = RGB(255, 255, 255);

// The stage (window and surface) outlives the scene on it.
template <class Scene> struct SceneHarness : Stage<TestSurface> {
    Scene scene;

    SceneHarness() : Stage(clientWidth, clientHeight) {
        scene.attachWindow(window.handle());
        scene.buildScene();
    }

    // One frame as the engine runs it.
    void frame(int elapsedTicks) {
        Stage::frame([&](HDC target) { scene.renderFrame(target, elapsedTicks); });
    }
    // Several frames of one tick each.
    void frames(int count) {
        for (int i = 0; i < count; ++i) {
            frame(1);
        }
    }
};

// The lParam of a mouse message at (x, y).
inline LPARAM at(int x, int y) {
    return MAKELPARAM(x, y);
}

// Whether two surfaces of the same size hold the same picture.
inline bool samePicture(const TestSurface& a, const TestSurface& b) {
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                return false;
            }
        }
    }
    return true;
}
