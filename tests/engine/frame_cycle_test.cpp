// The engine's frame cycle driven tick by tick: how ticks fold into elapsedTicks, what pausing,
// locking, painting and resizing do, and what a frame leaves selected in its surface.
#include "engine.h"
#include "hidden_window.h"
#include "test_surface.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>
#include <utility>
#include <vector>

namespace {

// Frame scene that records every frame and can hold one open until the test releases it.
class RecordingScene : public Engine {
public:
    explicit RecordingScene(EngineStyle style = EngineStyle::Game) : Engine(style) {
        frameStarted = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        frameRelease = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    }
    ~RecordingScene() {
        SetEvent(frameRelease);
        pause();
        CloseHandle(frameStarted);
        CloseHandle(frameRelease);
    }

    void renderFrame(HDC target, int elapsedTicks) override {
        if (handlerRunning) {
            frameDuringHandler = true;
        }
        if (callInFrame) {
            callInFrame(*this); // has the scene already: must neither wait for itself nor free it
        }
        targets.push_back(target);
        frontAtStart.push_back(front);
        elapsed.push_back(elapsedTicks);
        if (leavePen != nullptr) {
            SelectObject(target, leavePen);
            SelectObject(target, leaveBrush);
        }
        SetEvent(frameStarted);
        WaitForSingleObject(frameRelease, INFINITE);
        framesFinished += 1;
    }

    void buildScene() override { built += 1; }

    // The next frame blocks inside renderFrame until releaseFrame().
    void holdNextFrame() {
        ResetEvent(frameStarted);
        ResetEvent(frameRelease);
    }
    void awaitFrameStart() { WaitForSingleObject(frameStarted, INFINITE); }
    void releaseFrame() { SetEvent(frameRelease); }
    void awaitFrameDone() { ASSERT_TRUE(awaitLatestFrame()); }

    void tickAndFinish() {
        onTimerTick();
        awaitFrameDone();
    }

    std::vector<int> elapsed;
    std::vector<HDC> targets;
    std::vector<HDC> frontAtStart;
    std::atomic<int> framesFinished{0};
    std::atomic<bool> handlerRunning{false};
    std::atomic<bool> frameDuringHandler{false};
    std::function<void(Engine&)> callInFrame;
    int built = 0;
    HPEN leavePen = nullptr;
    HBRUSH leaveBrush = nullptr;

private:
    HANDLE frameStarted;
    HANDLE frameRelease;
};

class FrameCycle : public ::testing::Test {
protected:
    void SetUp() override { scene.attachWindow(window.handle()); }

    HiddenWindow window{320, 240};
    RecordingScene scene;
};

} // namespace

TEST_F(FrameCycle, EveryTickGetsItsOwnFrameOnTheSurfaceNotShownWhileFramesKeepUp) {
    for (int i = 0; i < 4; ++i) {
        scene.tickAndFinish();
    }
    EXPECT_EQ((std::vector<int>{1, 1, 1, 1}), scene.elapsed);
    EXPECT_EQ(4u, scene.ticksCounted());
    for (size_t i = 0; i < scene.targets.size(); ++i) {
        EXPECT_NE(scene.frontAtStart[i], scene.targets[i]);
        EXPECT_TRUE(i == 0 || scene.targets[i - 1] != scene.targets[i]) << "frame " << i;
    }
    EXPECT_EQ(scene.targets.back(), scene.front.load());
}

TEST_F(FrameCycle, TicksDuringASlowFrameFoldIntoTheNextFrame) {
    scene.holdNextFrame();
    scene.onTimerTick();
    scene.awaitFrameStart();
    scene.onTimerTick();
    scene.onTimerTick();
    EXPECT_EQ(1u, scene.targets.size()) << "a tick during a frame starts nothing";
    scene.releaseFrame();
    scene.awaitFrameDone();
    scene.tickAndFinish();
    EXPECT_EQ((std::vector<int>{1, 3}), scene.elapsed);
    EXPECT_EQ(4, scene.paintBalanceNow()) << "no paints happened: one per counted tick";
}

// Each way the window thread stops the ticks, with a way it lets them go on: activation and a
// resize end any pause. Ticks in between are not counted and the next frame does not fold them.
TEST_F(FrameCycle, TicksWhileStoppedAreNotCounted) {
    using Call = void (*)(Engine&);
    const std::pair<Call, Call> stopAndGo[] = {
        {[](Engine& e) { e.pause(); }, [](Engine& e) { e.resume(); }},
        {[](Engine& e) { e.pause(); }, [](Engine& e) { e.onActivate(WA_ACTIVE, 0); }},
        {[](Engine& e) { e.onActivate(WA_INACTIVE, 0); },
         [](Engine& e) { e.onActivate(WA_CLICKACTIVE, 0); }},
        {[](Engine& e) { e.onSize(SIZE_MINIMIZED, 0); },
         [](Engine& e) { e.onActivate(WA_ACTIVE, 0); }},
        {[](Engine& e) { e.onSize(SIZE_MINIMIZED, 0); },
         [](Engine& e) { e.onSize(SIZE_RESTORED, MAKELPARAM(320, 240)); }},
    };
    for (const auto& [stop, go] : stopAndGo) {
        stop(scene);
        EXPECT_FALSE(scene.active.load());
        scene.onTimerTick();
        scene.onTimerTick();
        go(scene);
        EXPECT_TRUE(scene.active.load());
        scene.tickAndFinish();
    }
    EXPECT_EQ(5u, scene.ticksCounted());
    EXPECT_EQ(std::vector<int>(5, 1), scene.elapsed);
}

TEST_F(FrameCycle, LockSceneReturnsOnlyAfterTheRunningFrameHasEnded) {
    scene.holdNextFrame();
    scene.onTimerTick();
    scene.awaitFrameStart();
    std::atomic<int> finishedWhenLocked{-1};
    std::thread handler([&] {
        scene.lockScene();
        finishedWhenLocked = scene.framesFinished.load();
        scene.handlerRunning = true;
        scene.onTimerTick(); // a tick during the handler starts no frame
        scene.handlerRunning = false;
        scene.unlockScene();
    });
    scene.releaseFrame();
    handler.join();
    EXPECT_EQ(1, finishedWhenLocked.load());
    EXPECT_FALSE(scene.frameDuringHandler.load());
    EXPECT_EQ(1u, scene.targets.size());
}

TEST_F(FrameCycle, PaintingEveryFrameKeepsTheBalanceAndAPaintWithoutAFrameLowersIt) {
    for (int i = 0; i < 5; ++i) {
        scene.tickAndFinish();
        scene.onPaint();
    }
    EXPECT_EQ(0, scene.paintBalanceNow());
    EXPECT_STREQ("error: P=0 count=5 ", scene.statusLine());
    scene.onPaint();
    EXPECT_STREQ("error: P=-1 count=5 ", scene.statusLine());
}

TEST_F(FrameCycle, AFrameStartsFromAWhiteSurfaceAndLeavesNoScenePenOrBrushSelected) {
    PatBlt(scene.backSurface(), 0, 0, 320, 240, BLACKNESS);
    HPEN pen = CreatePen(PS_SOLID, 3, RGB(255, 0, 0));
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
    scene.leavePen = pen;
    scene.leaveBrush = brush;
    scene.tickAndFinish();
    const HDC drawn = scene.front.load();
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(drawn, 10, 10));
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(drawn, 319, 239));
    EXPECT_EQ(GetStockObject(BLACK_PEN), GetCurrentObject(drawn, OBJ_PEN));
    EXPECT_EQ(GetStockObject(WHITE_BRUSH), GetCurrentObject(drawn, OBJ_BRUSH));
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteObject(brush));
}

TEST_F(FrameCycle, AResizeRecreatesBothSurfacesUnlessLockedAndReactivatesEitherWay) {
    for (const bool locked : {true, false}) {
        scene.pause();
        if (locked) {
            scene.lockScene();
        }
        scene.onSize(SIZE_RESTORED, MAKELPARAM(300, 200));
        if (locked) {
            scene.unlockScene();
        }
        EXPECT_TRUE(scene.active.load());
        const SIZE expected = locked ? SIZE{320, 240} : SIZE{300, 200};
        for (const HDC surface : {scene.front.load(), scene.backSurface()}) {
            EXPECT_EQ(expected.cx, bitmapSizeOf(surface).cx) << "locked " << locked;
            EXPECT_EQ(expected.cy, bitmapSizeOf(surface).cy) << "locked " << locked;
        }
    }
}

TEST(FrameCycleStyles, OnlyTheOutermostUnlockOfTheHolderFreesTheFramesInBothStyles) {
    HiddenWindow window(320, 240);
    for (EngineStyle style : {EngineStyle::Game, EngineStyle::Demo}) {
        RecordingScene scene(style);
        scene.attachWindow(window.handle());
        // A key pressed while a help box is open is handled inside the key handler's lock.
        // Ticks meanwhile are counted and caught up by the first frame after the unlock.
        scene.lockScene();
        scene.lockScene();
        scene.unlockScene();
        scene.tickAndFinish();
        scene.tickAndFinish();
        EXPECT_EQ(0u, scene.elapsed.size()) << "the inner unlock freed the frames";
        scene.unlockScene();
        scene.tickAndFinish();
        EXPECT_EQ(std::vector<int>{3}, scene.elapsed);
        // A frame that locks the scene has it already, and one that pauses, loses the activation
        // or resizes would wait for itself: each goes on, and the resize keeps the surfaces the
        // frame draws into. An unlock without a lock frees nothing.
        const std::function<void(Engine&)> callsInFrame[] = {
            [](Engine& e) {
                e.lockScene();
                e.unlockScene();
            },
            [](Engine& e) { e.pause(); },
            [](Engine& e) { e.onActivate(WA_INACTIVE, 0); },
            [](Engine& e) { e.onSize(SIZE_RESTORED, MAKELPARAM(300, 200)); },
        };
        for (const auto& call : callsInFrame) {
            scene.callInFrame = call;
            scene.tickAndFinish();
            scene.resume();
        }
        scene.callInFrame = nullptr;
        EXPECT_EQ(320, bitmapSizeOf(scene.front.load()).cx) << "a frame resized its surfaces";
        scene.holdNextFrame();
        scene.onTimerTick();
        scene.awaitFrameStart();
        scene.unlockScene();
        scene.onTimerTick();
        scene.releaseFrame();
        scene.pause(); // waits for the latest frame, a second one included
        EXPECT_EQ(6u, scene.elapsed.size()) << "a second frame drew into the same surface";
    }
}

// What the engine asks of the system timer, recorded by a stand-in that starts no timer: the
// test calls the callback itself.
struct TimerRequest {
    UINT delay = 0;
    UINT resolution = 0;
    UINT flags = 0;
    LPTIMECALLBACK callback = nullptr;
    DWORD_PTR user = 0;
};
TimerRequest timerRequest;
MMRESULT WINAPI recordTimerRequest(UINT delay, UINT resolution, LPTIMECALLBACK callback,
                                   DWORD_PTR user, UINT flags) {
    timerRequest = {delay, resolution, flags, callback, user};
    return 1;
}

// The pace: a periodic timer of 33 ms, killed synchronously, whose every callback counts one
// tick (and each tick gets its frame, see above).
TEST(FrameCycleTimer, TheEngineAsksForATickEvery33MsAndEachCallbackCountsOne) {
    HiddenWindow window(64, 48);
    RecordingScene scene;
    scene.startTimerEvent = recordTimerRequest;
    scene.start(window.handle());
    EXPECT_EQ(1, scene.built);
    EXPECT_EQ(33u, timerRequest.delay);
    EXPECT_EQ(0u, timerRequest.resolution);
    EXPECT_EQ(static_cast<UINT>(TIME_PERIODIC | TIME_KILL_SYNCHRONOUS), timerRequest.flags);
    scene.lockScene(); // ticks are counted, no frame starts
    for (int i = 0; i < 3; ++i) {
        timerRequest.callback(1, 0, timerRequest.user, 0, 0);
    }
    EXPECT_EQ(3u, scene.ticksCounted());
    scene.unlockScene();
}

// The thread that ran the latest tick: a render thread is started from it.
std::atomic<DWORD> tickThreadSeen{0};
HANDLE WINAPI recordTickThread(LPSECURITY_ATTRIBUTES security, SIZE_T stack,
                               LPTHREAD_START_ROUTINE start, LPVOID job, DWORD flags, LPDWORD id) {
    tickThreadSeen = GetCurrentThreadId();
    return CreateThread(security, stack, start, job, flags, id);
}

// A program's end: once stop returns no frame runs and, where the system ends its timer thread
// with the last timer (Wine), that thread has ended too: none is still ending as the process
// ends. That thread ends quickly on its own, so one round would rarely catch a stop that does
// not wait for it: twenty rounds, each with a timer of its own, do.
TEST(FrameCycleTimer, StopEndsTheFramesAndWaitsForTheTimerThreadWhereTheSystemEndsIt) {
    HiddenWindow window(64, 48);
    for (int round = 0; round < 20; ++round) {
        RecordingScene scene;
        scene.startThread = recordTickThread;
        scene.holdNextFrame();
        scene.start(window.handle()); // the real 33 ms timer
        scene.awaitFrameStart();
        const HANDLE tickThread = OpenThread(SYNCHRONIZE, FALSE, tickThreadSeen.load());
        ASSERT_NE(nullptr, tickThread);
        scene.releaseFrame();
        scene.stop();
        const std::uint64_t ticks = scene.ticksCounted();
        scene.onTimerTick();
        EXPECT_EQ(ticks, scene.ticksCounted());
        if (Engine::timerThreadEndsWithLastTimer()) {
            EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(tickThread, 0)) << "round " << round;
        }
        CloseHandle(tickThread);
    }
}
