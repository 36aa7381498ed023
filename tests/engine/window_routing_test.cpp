// The window procedures as input meets them: every key and mouse handler runs while the scene
// is locked, so a timer tick meanwhile starts no frame; mouse messages hide the system
// pointer; the shooter's start-up help stops the clock while it is open; and the programs' own
// procedures hand resizing and activation, as Windows sends them, to the engine.
#include "hidden_window.h"
#include "program_main.h"
#include "test_surface.h"
#include "window_routing.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace {

// A scene whose handlers log the wParam they are given and tick the timer once, as the timer
// thread may while a handler runs.
class TickingScene : public Engine {
public:
    explicit TickingScene(EngineStyle style) : Engine(style) {}
    void renderFrame(HDC, int) override { frames += 1; }

    void serve(WPARAM wParam) {
        served.push_back(wParam);
        const std::uint64_t before = ticksCounted();
        onTimerTick();
        ticksWhileServing += ticksCounted() - before;
    }
    void onKeyDown(WPARAM w, LPARAM) { serve(w); }
    void onKeyUp(WPARAM w, LPARAM) { serve(w); }
    void onMouseMove(WPARAM w, LPARAM) { serve(w); }
    void onLeftDown(WPARAM w, LPARAM) { serve(w); }
    void onLeftUp(WPARAM w, LPARAM) { serve(w); }
    void onRightDown(WPARAM w, LPARAM) { serve(w); }
    void onRightUp(WPARAM w, LPARAM) { serve(w); }
    void onWheel(WPARAM w, LPARAM) { serve(w); }

    std::atomic<int> frames{0};
    std::vector<WPARAM> served;
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

// A scene of each style behind the programs' own window procedure, which names its global scene.
template <EngineStyle kind> class ShellScene : public TickingScene {
public:
    static constexpr EngineStyle shellStyle = kind;
    ShellScene() : TickingScene(kind) {}
};
ShellScene<EngineStyle::Game> gameShellScene;
ShellScene<EngineStyle::Demo> demoShellScene;

// A real resize gives the surfaces the new client size; deactivation stops the ticks and
// activation lets them go on.
template <class Scene, Scene& scene> void checkResizeAndActivation() {
    HiddenWindow window(64, 48);
    scene.attachWindow(window.handle());
    const HWND handle = window.handle();
    SetWindowLongPtrA(handle, GWLP_WNDPROC,
                      reinterpret_cast<LONG_PTR>(&programWindowProc<Scene, scene>));
    SetWindowPos(handle, nullptr, 0, 0, 100, 80, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(100, bitmapSizeOf(scene.backSurface()).cx);
    EXPECT_EQ(80, bitmapSizeOf(scene.backSurface()).cy);
    EXPECT_EQ(100, scene.clientRect.right);
    SendMessageA(handle, WM_ACTIVATE, WA_INACTIVE, 0);
    scene.onTimerTick();
    EXPECT_EQ(0u, scene.ticksCounted());
    SendMessageA(handle, WM_ACTIVATE, WA_ACTIVE, 0);
    scene.onTimerTick();
    EXPECT_EQ(1u, scene.ticksCounted());
    scene.pause();
    SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DefWindowProcA));
}

} // namespace

TEST(WindowRouting, TheProgramsProceduresHandResizeAndActivationToTheEngine) {
    checkResizeAndActivation<ShellScene<EngineStyle::Game>, gameShellScene>();
    checkResizeAndActivation<ShellScene<EngineStyle::Demo>, demoShellScene>();
}

// Each message carries its own number as wParam, so that the log tells which handler ran.
TEST(WindowRouting, EveryHandlerRunsLockedAndMouseMessagesHideThePointer) {
    for (const EngineStyle style : {EngineStyle::Game, EngineStyle::Demo}) {
        HiddenWindow window(64, 48);
        TickingScene scene(style);
        scene.attachWindow(window.handle());
        // The demonstrations' key-up takes the lock and calls no handler.
        std::vector<WPARAM> handled = {WM_KEYDOWN, WM_KEYUP};
        if (style == EngineStyle::Demo) {
            handled.pop_back();
        }
        route(scene, window.handle(), WM_KEYDOWN, WM_KEYDOWN, 0);
        route(scene, window.handle(), WM_KEYUP, WM_KEYUP, 0);
        for (const UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN,
                                   WM_RBUTTONUP, WM_MOUSEWHEEL, WM_MBUTTONDOWN, WM_MBUTTONUP}) {
            SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32512))); // the arrow
            route(scene, window.handle(), message, message, MAKELPARAM(5, 6));
            EXPECT_EQ(GetCursor(), nullptr) << "message " << message;
            if (message != WM_MBUTTONDOWN && message != WM_MBUTTONUP) {
                handled.push_back(message);
            }
        }
        scene.pause();
        EXPECT_EQ(scene.served, handled);
        // Each handler's tick was counted, and none started a frame.
        EXPECT_EQ(scene.ticksWhileServing, handled.size());
        EXPECT_EQ(scene.frames.load(), 0);
    }
}

TEST(WindowRouting, TheShootersStartUpHelpStopsTheClockWhileItIsOpen) {
    HiddenWindow window(64, 48, routedWindowProc);
    TickingScene scene(EngineStyle::Game);
    routedScene = &scene;
    route(scene, window.handle(), WM_CREATE, 0, 0);
    routedScene = nullptr;
    scene.pause();
    // The help was asked for with F1; the tick while its box stood open was not counted.
    EXPECT_EQ(scene.served, std::vector<WPARAM>{VK_F1});
    EXPECT_EQ(scene.ticksWhileServing, 0u);
}
