// The window procedures as input meets them: every key and mouse handler runs while the scene
// is locked, so a timer tick meanwhile starts no frame; mouse messages hide the system
// pointer; and the shooter's start-up help stops the clock while it is open.
#include "test_window.h"
#include "window_routing.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace {

// A scene whose handlers tick the timer once, as the timer thread may while a handler runs,
// and log the message they serve.
class TickingScene : public Engine {
public:
    explicit TickingScene(EngineStyle style) : Engine(style) {}
    void renderFrame(HDC, int) override { frames += 1; }

    void serve(UINT message, WPARAM wParam) {
        served.push_back(message);
        keys.push_back(wParam);
        const std::uint64_t before = ticksCounted();
        onTimerTick();
        ticksWhileServing += ticksCounted() - before;
    }
    void onKeyDown(WPARAM w, LPARAM) { serve(WM_KEYDOWN, w); }
    void onKeyUp(WPARAM w, LPARAM) { serve(WM_KEYUP, w); }
    void onMouseMove(WPARAM w, LPARAM) { serve(WM_MOUSEMOVE, w); }
    void onLeftDown(WPARAM w, LPARAM) { serve(WM_LBUTTONDOWN, w); }
    void onLeftUp(WPARAM w, LPARAM) { serve(WM_LBUTTONUP, w); }
    void onRightDown(WPARAM w, LPARAM) { serve(WM_RBUTTONDOWN, w); }
    void onRightUp(WPARAM w, LPARAM) { serve(WM_RBUTTONUP, w); }
    void onWheel(WPARAM w, LPARAM) { serve(WM_MOUSEWHEEL, w); }

    std::atomic<int> frames{0};
    std::vector<UINT> served;
    std::vector<WPARAM> keys;
    std::uint64_t ticksWhileServing = 0;
};

LRESULT route(TickingScene& scene, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return scene.style() == EngineStyle::Game
               ? routing::routeGameMessage(scene, window, message, wParam, lParam)
               : routing::routeDemoMessage(scene, window, message, wParam, lParam);
}

TickingScene* routedScene = nullptr;
LRESULT CALLBACK routedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (routedScene != nullptr && message != WM_ACTIVATE && message != WM_SIZE) {
        return route(*routedScene, window, message, wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

TEST(WindowRouting, EveryHandlerRunsLockedAndMouseMessagesHideThePointer) {
    const UINT mouse[] = {WM_MOUSEMOVE,   WM_LBUTTONDOWN, WM_LBUTTONUP,
                          WM_RBUTTONDOWN, WM_RBUTTONUP,   WM_MOUSEWHEEL};
    for (const EngineStyle style : {EngineStyle::Game, EngineStyle::Demo}) {
        TestWindow window(64, 48);
        TickingScene scene(style);
        scene.attachWindow(window.handle());
        route(scene, window.handle(), WM_KEYDOWN, 'Q', 0);
        route(scene, window.handle(), WM_KEYUP, 'Q', 0);
        // The demonstrations' key-up takes the lock and calls no handler.
        std::vector<UINT> handled = {WM_KEYDOWN};
        if (style == EngineStyle::Game) {
            handled.push_back(WM_KEYUP);
        }
        for (const UINT message : mouse) {
            SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
            route(scene, window.handle(), message, MK_LBUTTON, MAKELPARAM(5, 6));
            handled.push_back(message);
            EXPECT_EQ(GetCursor(), nullptr) << "message " << message;
        }
        for (const UINT message : {WM_MBUTTONDOWN, WM_MBUTTONUP}) {
            SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
            route(scene, window.handle(), message, 0, 0);
            EXPECT_EQ(GetCursor(), nullptr) << "message " << message;
        }
        scene.pause();
        EXPECT_EQ(scene.served, handled);
        // Each handler's tick was counted, and none started a frame.
        EXPECT_EQ(scene.ticksWhileServing, handled.size());
        EXPECT_EQ(scene.frames.load(), 0);
    }
}

TEST(WindowRouting, TheShootersStartUpHelpStopsTheClockWhileItIsOpen) {
    TestWindow window(64, 48, routedWindowProc);
    TickingScene scene(EngineStyle::Game);
    routedScene = &scene;
    route(scene, window.handle(), WM_CREATE, 0, 0);
    routedScene = nullptr;
    scene.pause();
    // The help was asked for with F1; the ticks while its box stood open were not counted.
    EXPECT_EQ(scene.served, std::vector<UINT>{WM_KEYDOWN});
    EXPECT_EQ(scene.keys, std::vector<WPARAM>{VK_F1});
    EXPECT_EQ(scene.ticksWhileServing, 0u);
}
