// The window procedures as input meets them: every key and mouse handler runs while the scene
// is locked, so a timer tick meanwhile starts no frame; mouse messages hide the system
// pointer; the shooter's start-up help stops the clock while it is open; the programs' own
// procedures hand resizing and activation, as Windows sends them, to the engine; and a render
// thread that cannot start is reported by the window, one box at a time.
#include "box_recorder.h"
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

// Routes as the programs' procedures do, but counts the close requests instead of closing.
TickingScene* routedScene = nullptr;
int closeRequests = 0;
LRESULT CALLBACK routedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (routedScene != nullptr && message == WM_CLOSE) {
        closeRequests += 1;
        return 0;
    }
    if (routedScene != nullptr && message != WM_ACTIVATE && message != WM_SIZE) {
        return route(*routedScene, window, message, wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A scene of each style behind the programs' own window procedure, which names its global scene.
template <EngineStyle kind> class RoutedScene : public TickingScene {
public:
    static constexpr EngineStyle shellStyle = kind;
    RoutedScene() : TickingScene(kind) {}
};
RoutedScene<EngineStyle::Game> gameRoutedScene;
RoutedScene<EngineStyle::Demo> demoRoutedScene;

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
    // The scenes are the programs' globals: they keep the ticks of earlier runs of the test.
    const std::uint64_t ticks = scene.ticksCounted();
    SendMessageA(handle, WM_ACTIVATE, WA_INACTIVE, 0);
    scene.onTimerTick();
    EXPECT_EQ(ticks, scene.ticksCounted());
    SendMessageA(handle, WM_ACTIVATE, WA_ACTIVE, 0);
    scene.onTimerTick();
    EXPECT_EQ(ticks + 1, scene.ticksCounted());
    scene.pause();
    SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DefWindowProcA));
}

} // namespace

TEST(WindowRouting, TheProgramsProceduresHandResizeAndActivationToTheEngine) {
    checkResizeAndActivation<RoutedScene<EngineStyle::Game>, gameRoutedScene>();
    checkResizeAndActivation<RoutedScene<EngineStyle::Demo>, demoRoutedScene>();
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

namespace {
HANDLE WINAPI refuseThread(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE, LPVOID, DWORD,
                           LPDWORD) {
    return nullptr;
}

// One tick on a thread of its own, as the timer delivers it. A box here ends this thread, as
// nobody would answer it there.
DWORD WINAPI tickAsTheTimer(LPVOID scene) {
    const BoxRecorder timerBoxes([](const SeenBox&) {
        ADD_FAILURE() << "the box was shown on the timer thread";
        ExitThread(0);
    });
    static_cast<Engine*>(scene)->onTimerTick();
    return 0;
}
} // namespace

// The report comes from the window thread, one box at a time however the user moves the mouse
// and the timer ticks while it is open: owned by the window in the shooter, which then closes as
// on ESC; ownerless in a demonstration, which tries again once a mouse message has freed the
// claimed surface.
TEST(WindowRouting, ARenderThreadThatCannotStartIsReportedByTheWindowOneBoxAtATime) {
    for (const EngineStyle style : {EngineStyle::Game, EngineStyle::Demo}) {
        const bool game = style == EngineStyle::Game;
        HiddenWindow window(64, 48, routedWindowProc);
        TickingScene scene(style);
        scene.attachWindow(window.handle());
        scene.startThread = refuseThread;
        routedScene = &scene;
        closeRequests = 0;
        // While the first box is open the user moves the mouse over the window (the handler's
        // unlock frees the surface the failed tick claimed) and the timer ticks.
        BoxRecorder recorder([&](const SeenBox&) {
            if (recorder.boxes.size() == 1) {
                SendMessageA(window.handle(), WM_MOUSEMOVE, 0, 0);
                scene.onTimerTick();
            }
        });
        const HANDLE timer = CreateThread(nullptr, 0, tickAsTheTimer, &scene, 0, nullptr);
        // A box on the timer thread would send to the window meanwhile: the window answers.
        while (MsgWaitForMultipleObjects(1, &timer, FALSE, INFINITE, QS_ALLINPUT) !=
               WAIT_OBJECT_0) {
            pumpMessages();
        }
        CloseHandle(timer);
        pumpMessages();
        if (!game) {
            SendMessageA(window.handle(), WM_MOUSEMOVE, 0, 0);
            scene.onTimerTick();
            pumpMessages();
        }
        routedScene = nullptr;
        scene.pause();
        EXPECT_EQ(1, recorder.mostOpen) << "game " << game;
        const SeenBox failure{
            game ? window.handle() : nullptr, "Error", "Can't create Thread", {IDOK}, false};
        EXPECT_EQ(std::vector<SeenBox>(game ? 1 : 2, failure), recorder.boxes) << "game " << game;
        EXPECT_EQ(game ? 1 : 0, closeRequests) << "game " << game;
    }
}
