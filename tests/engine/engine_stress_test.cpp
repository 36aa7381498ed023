// The frame cycle under a running timer, hammered from the window thread: lock, pause and resize
// storms, minimising, a close request during a slow frame, surfaces that cannot be created, and
// engines torn down while ticks keep arriving. Every case ends with no frame running, the
// counters consistent and the process alive.
#include "engine.h"
#include "gdi_objects.h"
#include "hidden_window.h"
#include "test_surface.h"
#include "window_routing.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace {

// A memory DC without a bitmap of its own (none could be made, or the view is empty) holds the
// shared 1 x 1 monochrome default bitmap.
bool hasOwnBitmap(HDC dc) {
    BITMAP info{};
    GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof info, &info);
    return info.bmBitsPixel > 1;
}

bool operator==(const SIZE& a, const SIZE& b) {
    return a.cx == b.cx && a.cy == b.cy;
}

// Live GDI objects of one type. Wine accepts a handle's low word, so walking them all is a
// census (Wine's GetGuiResources always answers 0); elsewhere it counts nothing and the
// comparisons hold trivially.
int liveGdiObjects(DWORD type) {
    int count = 0;
    for (UINT_PTR handle = 1; handle <= 0xFFFF; ++handle) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(handle)) == type) {
            count += 1;
        }
    }
    return count;
}

// Open kernel handles of the process, counted by asking about every small handle value
// (Wine's GetProcessHandleCount always answers 0).
int openHandles() {
    int count = 0;
    for (UINT_PTR value = 4; value < 0x4000; value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) {
            count += 1;
        }
    }
    return count;
}

// Waits until counter reaches count, woken by done after each step; false if it stops moving.
bool awaitCount(const std::atomic<int>& counter, HANDLE done, int count) {
    while (counter < count) {
        if (WaitForSingleObject(done, 10000) == WAIT_TIMEOUT) {
            return false;
        }
    }
    return true;
}

// Scene that checks every frame against the engine's promises: one frame at a time, never
// during an input handler, drawn on a surface cleared to its full size, both surfaces alike,
// within one client rectangle from start to end.
class StressScene : public Engine {
public:
    explicit StressScene(EngineStyle style = EngineStyle::Game) : Engine(style) {
        frameDone = CreateEventA(nullptr, FALSE, FALSE, nullptr);
        frameStarted = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        frameRelease = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    }
    // A scene with content stops its frames before the content goes, as the close request
    // does in the programs.
    ~StressScene() {
        releaseFrame();
        pause();
        CloseHandle(frameDone);
        CloseHandle(frameStarted);
        CloseHandle(frameRelease);
    }

    void renderFrame(HDC target, int elapsedTicks) override {
        if (frameRunning.exchange(true)) {
            overlappingFrames += 1;
        }
        if (held) {
            framesWhileHeld += 1;
        }
        if (elapsedTicks < 1) {
            framesWithoutTicks += 1;
        }
        const RECT bounds = clientRect;
        elapsedSum += elapsedTicks;
        const SIZE size = bitmapSizeOf(target);
        // The shown surface may be the source of a repaint's copy on the window thread at this
        // moment: GDI then refuses this thread the device context in use by that one, and its
        // size reads as 0 x 0. Only a size read is compared; the next frames compare again.
        const SIZE shownSize = bitmapSizeOf(front.load());
        if (shownSize.cx != 0 && !(size == shownSize)) {
            surfacesUnlike += 1;
        }
        // The engine cleared the view to white; the far corner proves it covered the whole
        // surface. Blacken it so the next frame on this surface must clear it again.
        if (hasOwnBitmap(target)) {
            if (GetPixel(target, 0, 0) != RGB(255, 255, 255) ||
                GetPixel(target, size.cx - 1, size.cy - 1) != RGB(255, 255, 255)) {
                framesNotCleared += 1;
            }
            PatBlt(target, 0, 0, size.cx, size.cy, BLACKNESS);
        }
        lastFrameWidth = size.cx;
        lastFrameHeight = size.cy;
        // Only a frame that is held signals, so the start a test awaits is the held frame's.
        if (WaitForSingleObject(frameRelease, 0) == WAIT_TIMEOUT) {
            SetEvent(frameStarted);
            WaitForSingleObject(frameRelease, INFINITE);
        }
        // A scene's catch-up loop reads its bounds again while it moves its objects.
        const RECT boundsLater = clientRect;
        boundsMoved += EqualRect(&bounds, &boundsLater) ? 0 : 1;
        boundsSeen.insert(boundsSeen.end(), {SIZE{bounds.right, bounds.bottom},
                                             SIZE{boundsLater.right, boundsLater.bottom}});
        frames += 1;
        frameRunning = false;
        SetEvent(frameDone);
    }

    // Waits until `count` frames have finished in total; false if they stop coming.
    bool awaitFrames(int count) { return awaitCount(frames, frameDone, count); }
    // Only while ticks keep coming: a frame that ended before the call is not one of them.
    bool awaitMoreFrames(int more) { return awaitFrames(frames + more); }

    // The next frame blocks inside renderFrame until releaseFrame().
    void holdNextFrame() {
        ResetEvent(frameStarted);
        ResetEvent(frameRelease);
    }
    void awaitFrameStart() { WaitForSingleObject(frameStarted, INFINITE); }
    void releaseFrame() { SetEvent(frameRelease); }

    // A keyboard or mouse handler as the window procedure runs it, on any thread.
    void runHandler() {
        lockScene();
        overlappingHandlers += handlersRunning.fetch_add(1) > 0 ? 1 : 0;
        hold();
        letGo();
        handlersRunning -= 1;
        unlockScene();
    }

    // Marks the stretch in which the window thread holds the engine (locked, paused or
    // minimised): no frame may be running when it begins, and none may start during it.
    void hold() {
        if (frameRunning) {
            framesAfterHold += 1;
        }
        held = true;
    }
    // Called before the call that lets frames run again.
    void letGo() { held = false; }

    void expectConsistentCounters(int paints) const {
        EXPECT_FALSE(frameRunning.load());
        EXPECT_EQ(0, overlappingFrames.load());
        EXPECT_EQ(0, overlappingHandlers.load());
        EXPECT_EQ(0, framesWhileHeld.load());
        EXPECT_EQ(0, framesAfterHold.load());
        EXPECT_EQ(0, framesWithoutTicks.load());
        EXPECT_EQ(0, surfacesUnlike.load());
        EXPECT_EQ(0, framesNotCleared.load());
        EXPECT_EQ(0, boundsMoved.load());
        // No frame received a tick that was not counted.
        EXPECT_LE(static_cast<std::uint64_t>(elapsedSum.load()), ticksCounted());
        // No paint was refused: one up per counted tick, one down per performed paint.
        EXPECT_EQ(static_cast<std::int64_t>(ticksCounted()) - paints, paintBalanceNow());
    }

    // With the ticks stopped: one more tick starts a last frame, which takes every tick still
    // waiting; then the frames have received every counted tick, exactly once. The frames are
    // counted before the tick: its frame may have ended by the time the tick returns.
    void expectEveryTickConsumed() {
        pause();
        resume();
        const int before = frames;
        onTimerTick();
        ASSERT_TRUE(awaitFrames(before + 1)) << "no frame after the last tick";
        pause();
        EXPECT_EQ(static_cast<std::uint64_t>(elapsedSum.load()), ticksCounted());
    }

    std::atomic<int> frames{0};
    std::atomic<bool> frameRunning{false};
    std::atomic<bool> held{false};
    std::atomic<int> overlappingFrames{0};
    std::atomic<int> handlersRunning{0};
    std::atomic<int> overlappingHandlers{0};
    std::atomic<int> framesWhileHeld{0};
    std::atomic<int> framesAfterHold{0};
    std::atomic<int> framesWithoutTicks{0};
    std::atomic<int> surfacesUnlike{0};
    std::atomic<int> framesNotCleared{0};
    std::atomic<int> boundsMoved{0};
    // Render thread, one frame at a time; read once frames are stopped.
    std::vector<SIZE> boundsSeen;
    std::atomic<long long> elapsedSum{0};
    std::atomic<int> lastFrameWidth{0};
    std::atomic<int> lastFrameHeight{0};

private:
    HANDLE frameDone;
    HANDLE frameStarted;
    HANDLE frameRelease;
};

// A second timer, ticking a few milliseconds apart alongside the real 33 ms timer, so that
// frames start and end between almost any two steps of the window thread. The pause between
// ticks only paces the storm; nothing waits on it.
class TickStorm {
public:
    explicit TickStorm(Engine& engine, DWORD paceMs = 1)
        : ticker([this, &engine, paceMs] {
              while (!stopping) {
                  engine.onTimerTick();
                  Sleep(paceMs);
              }
          }) {}
    ~TickStorm() { stop(); }
    void stop() {
        stopping = true;
        if (ticker.joinable()) {
            ticker.join();
        }
    }

private:
    std::atomic<bool> stopping{false};
    std::thread ticker;
};

// Window procedure of the test windows: the close request runs as in the programs.
Engine* routedScene = nullptr;
LRESULT CALLBACK closingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE && routedScene != nullptr) {
        routing::routeFrameMessage(*routedScene, window, message, wParam, lParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The engine on a window, ticked by the tests' own storms only, so that the ticks can stop.
class EngineStress : public ::testing::Test {
protected:
    void SetUp() override { scene.attachWindow(window.handle()); }

    HiddenWindow window{320, 240};
    StressScene scene;
};

} // namespace

// Two threads handle input at once, each waiting for the other's lock; afterwards a lock still
// keeps every frame out.
TEST_F(EngineStress, LockCyclesOfTwoThreadsNeverOverlapAFrameNorEachOtherNorKeepThreadHandles) {
    const int handles = openHandles();
    TickStorm storm(scene, 5);
    std::thread otherHandler([this] {
        for (int cycle = 0; cycle < 100000; ++cycle) {
            scene.runHandler();
        }
    });
    int paints = 0;
    for (int cycle = 0; cycle < 100000; ++cycle) {
        scene.runHandler();
        if (cycle % 200 == 100) {
            scene.onTimerTick(); // the next lock meets a frame that has only just started
        }
        if (cycle % 200 == 0) {
            scene.onPaint(); // copies the shown surface while the next frame may be drawing
            paints += 1;
        }
    }
    otherHandler.join();
    scene.lockScene();
    scene.hold();
    scene.onTimerTick();
    scene.awaitLatestFrame();
    scene.letGo();
    scene.unlockScene();
    ASSERT_TRUE(scene.awaitMoreFrames(3)) << "frames stopped after the lock cycles";
    ASSERT_TRUE(scene.awaitFrames(120));
    storm.stop();
    scene.pause();
    scene.expectConsistentCounters(paints);
    scene.expectEveryTickConsumed();
    EXPECT_LT(openHandles() - handles, 10) << "the frames' thread handles were left open";
}

// A storm that ticks as fast as it can starts each frame the moment the previous one frees its
// surface: the latest frame is never reported finished while it still draws.
TEST_F(EngineStress, TheLatestFrameIsNeverSeenFinishedWhileItStillDraws) {
    TickStorm storm(scene, 0);
    int seenFinished = 0;
    for (int round = 0; round < 300; ++round) {
        scene.holdNextFrame();
        scene.awaitFrameStart();
        seenFinished += scene.awaitLatestFrame(0) ? 1 : 0;
        const int finished = scene.frames;
        scene.releaseFrame();
        // The next hold may begin only once the held frame is past its wait.
        ASSERT_TRUE(scene.awaitFrames(finished + 1));
    }
    storm.stop();
    scene.pause();
    EXPECT_EQ(0, seenFinished);
    scene.expectConsistentCounters(0);
}

// Every way the window thread stops the ticks (pause, deactivation, minimising), each followed
// by a way to go on (resume, activation, a resize to a new size).
TEST_F(EngineStress, StopAndGoStormsLeaveNoFrameRunningAndNoTickCountedWhileStopped) {
    TickStorm storm(scene);
    int ticksWhileStopped = 0;
    for (int cycle = 0; cycle < 4000; ++cycle) {
        const int way = cycle % 4;
        if (way == 0) {
            scene.pause();
        } else if (way == 1) {
            scene.onActivate(WA_INACTIVE, 0);
        } else {
            scene.onSize(SIZE_MINIMIZED, 0);
        }
        scene.hold();
        const std::uint64_t ticks = scene.ticksCounted();
        scene.onTimerTick();
        ticksWhileStopped += scene.active || scene.ticksCounted() != ticks ? 1 : 0;
        scene.letGo();
        if (way == 0) {
            scene.resume();
        } else if (way == 3) {
            scene.onSize(SIZE_RESTORED, MAKELPARAM(cycle % 8 == 3 ? 300 : 320, 240));
        } else {
            scene.onActivate(WA_ACTIVE, 0);
        }
        if (cycle % 50 == 0) {
            scene.onTimerTick(); // the next stop meets a frame that has only just started
        }
    }
    scene.onSize(SIZE_MINIMIZED, 0);
    scene.onSize(SIZE_RESTORED, MAKELPARAM(160, 120));
    ASSERT_TRUE(scene.awaitMoreFrames(3)) << "frames did not come back after restoring";
    EXPECT_EQ(160, scene.lastFrameWidth.load());
    EXPECT_EQ(120, scene.lastFrameHeight.load());
    storm.stop();
    scene.pause();
    EXPECT_EQ(0, ticksWhileStopped);
    scene.expectConsistentCounters(0);
    scene.expectEveryTickConsumed();
}

// 65535 x 65535 at 32 bits is 16 GiB per surface: its bitmaps cannot be created, and the surfaces
// keep theirs. A size of 0 gets the 1 x 1 default bitmap.
TEST_F(EngineStress, ResizeStormsKeepBothSurfacesAtTheViewSizeWhileFramesRun) {
    const int bitmaps = liveGdiObjects(OBJ_BITMAP);
    const int counted = gdiCount::live();
    const SIZE sizes[] = {{1, 1}, {640, 1},   {1, 480},   {200, 150},     {0, 0},    {400, 300},
                          {1, 1}, {321, 239}, {200, 100}, {65535, 65535}, {320, 240}};
    TickStorm storm(scene);
    int wrongSurfaces = 0;
    int lockedResizesThatChangedSurfaces = 0;
    SIZE expected{};
    for (int round = 0; round < 60; ++round) {
        for (const SIZE& size : sizes) {
            scene.onSize(SIZE_RESTORED, MAKELPARAM(size.cx, size.cy));
            if (size.cx != 65535) {
                expected = {size.cx == 0 ? 1 : size.cx, size.cy == 0 ? 1 : size.cy};
            }
            if (!(bitmapSizeOf(scene.front.load()) == expected) ||
                !(bitmapSizeOf(scene.backSurface()) == expected) || !scene.active) {
                wrongSurfaces += 1;
            }
        }
        // A resize while an input handler holds the scene keeps the surfaces.
        scene.lockScene();
        scene.onSize(SIZE_RESTORED, MAKELPARAM(50, 50));
        scene.unlockScene();
        if (bitmapSizeOf(scene.front.load()).cx != 320) {
            lockedResizesThatChangedSurfaces += 1;
        }
    }
    ASSERT_TRUE(scene.awaitMoreFrames(3));
    EXPECT_EQ(320, scene.lastFrameWidth.load());
    EXPECT_EQ(240, scene.lastFrameHeight.load());
    storm.stop();
    scene.pause();
    EXPECT_EQ(0, wrongSurfaces);
    EXPECT_EQ(0, lockedResizesThatChangedSurfaces);
    scene.expectConsistentCounters(0);
    scene.expectEveryTickConsumed();
    EXPECT_EQ(bitmaps, liveGdiObjects(OBJ_BITMAP)) << "a failed resize left bitmaps behind";
    EXPECT_EQ(counted, gdiCount::live()) << "a failed resize miscounted its bitmaps";
}

namespace {
// The hidden window is a pop-up: its client area is the whole window.
void resizeClient(HWND window, SIZE size) {
    SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
} // namespace

// The window resized between two sizes under a tick storm, each resize meeting a frame that
// goes on only once the resize has stopped the ticks: each frame keeps one client rectangle,
// one of the two. During a resize while the scene is locked only the Demo style takes the new
// rectangle.
TEST(EngineStressBounds, ResizeStormsNeverMoveTheBoundsUnderAFrame) {
    const SIZE sizes[] = {{200, 150}, {320, 240}};
    for (const EngineStyle style : {EngineStyle::Game, EngineStyle::Demo}) {
        HiddenWindow window(320, 240);
        StressScene scene(style);
        scene.start(window.handle());
        {
            TickStorm storm(scene);
            for (int round = 0; round < 200; ++round) {
                const SIZE size = sizes[round % 2];
                resizeClient(window.handle(), size);
                scene.holdNextFrame();
                scene.awaitFrameStart();
                std::thread releaser([&scene] {
                    while (scene.active) {
                        std::this_thread::yield();
                    }
                    scene.releaseFrame();
                });
                scene.onSize(SIZE_RESTORED, MAKELPARAM(size.cx, size.cy));
                releaser.join();
            }
            ASSERT_TRUE(scene.awaitMoreFrames(3));
        }
        scene.pause();
        int torn = 0;
        for (const SIZE& seen : scene.boundsSeen) {
            torn += seen == sizes[0] || seen == sizes[1] ? 0 : 1;
        }
        EXPECT_EQ(0, torn);
        scene.expectConsistentCounters(0);
        scene.lockScene();
        resizeClient(window.handle(), sizes[0]);
        scene.onSize(SIZE_RESTORED, MAKELPARAM(sizes[0].cx, sizes[0].cy));
        scene.unlockScene();
        EXPECT_EQ(style == EngineStyle::Demo ? 200 : 320, scene.clientRect.right);
    }
}

TEST(EngineStressClose, ACloseRequestDuringASlowFrameWaitsForItThenTheSceneCanGo) {
    for (int run = 0; run < 10; ++run) {
        HiddenWindow window(200, 150, closingWindowProc);
        auto scene = std::make_unique<StressScene>();
        scene->start(window.handle());
        routedScene = scene.get();
        scene->holdNextFrame();
        scene->awaitFrameStart();
        // The frame is released only once the close request has stopped the ticks, and a
        // little later still: a close request that did not wait would return meanwhile.
        std::atomic<bool> closeReturned{false};
        std::atomic<bool> returnedBeforeRelease{false};
        std::thread releaser([&] {
            while (scene->active) {
                std::this_thread::yield();
            }
            for (int spin = 0; spin < 2000 && !closeReturned; ++spin) {
                std::this_thread::yield();
            }
            returnedBeforeRelease = closeReturned.load();
            scene->releaseFrame();
        });
        SendMessageA(window.handle(), WM_CLOSE, 0, 0);
        closeReturned = true;
        releaser.join();
        EXPECT_FALSE(returnedBeforeRelease.load()) << "the close request did not wait";
        EXPECT_FALSE(IsWindow(window.handle()));
        // From here to its destruction the scene must see no frame.
        scene->hold();
        const std::uint64_t ticks = scene->ticksCounted();
        scene->onTimerTick();
        EXPECT_EQ(ticks, scene->ticksCounted());
        scene->expectConsistentCounters(0);
        routedScene = nullptr;
        scene.reset();
    }
}

namespace {
// Wine creates a few GDI objects of its own the first time a window draws; a census taken
// after this does not count them.
void warmUpGdi() {
    HiddenWindow window(16, 16);
    auto scene = std::make_unique<StressScene>();
    scene->attachWindow(window.handle());
    scene->onPaint();
}

// A scene with no content of its own, counted from outside, so that it may be destroyed while
// its frames still run: only the engine's own teardown stands between the ticks and the
// surfaces.
std::atomic<int> bareFrames{0};
HANDLE bareFrameDone = CreateEventA(nullptr, FALSE, FALSE, nullptr);

class BareScene : public Engine {
public:
    void renderFrame(HDC target, int) override {
        Rectangle(target, 2, 2, 40, 30);
        bareFrames += 1;
        SetEvent(bareFrameDone);
    }
};
} // namespace

TEST(EngineStressTeardown, DestroyingARunningEngineWhileTicksArriveIsSafeAndLeavesNothing) {
    warmUpGdi();
    HiddenWindow window(200, 150);
    const int memoryDCs = liveGdiObjects(OBJ_MEMDC);
    const int bitmaps = liveGdiObjects(OBJ_BITMAP);
    const int counted = gdiCount::live();
    for (int run = 0; run < 40; ++run) {
        auto scene = std::make_unique<BareScene>();
        scene->start(window.handle());
        TickStorm storm(*scene);
        ASSERT_TRUE(awaitCount(bareFrames, bareFrameDone, bareFrames + 3));
        storm.stop();
        // The real timer still ticks and a frame may be drawing right now.
        scene.reset();
    }
    EXPECT_EQ(memoryDCs, liveGdiObjects(OBJ_MEMDC));
    EXPECT_EQ(bitmaps, liveGdiObjects(OBJ_BITMAP));
    EXPECT_EQ(counted, gdiCount::live());
}

TEST(EngineStressSurfaces, AWindowTooLargeForItsSurfacesStillRunsFramesAndRecovers) {
    warmUpGdi();
    const int memoryDCs = liveGdiObjects(OBJ_MEMDC);
    const int bitmaps = liveGdiObjects(OBJ_BITMAP);
    const int counted = gdiCount::live();
    HWND huge = CreateWindowExA(0, "STATIC", "huge", WS_POPUP, 0, 0, 999999999, 999999999, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, huge);
    {
        StressScene scene;
        scene.start(huge);
        // Neither bitmap could be created: the surfaces are memory DCs with their 1 x 1
        // default bitmap, and drawing into them has no visible effect.
        EXPECT_EQ(1, bitmapSizeOf(scene.front.load()).cx);
        EXPECT_EQ(1, bitmapSizeOf(scene.backSurface()).cx);
        {
            TickStorm storm(scene);
            ASSERT_TRUE(scene.awaitMoreFrames(3)) << "no frames on surfaces without bitmaps";
            scene.onPaint();
            scene.onSize(SIZE_RESTORED, MAKELPARAM(300, 200));
            ASSERT_TRUE(scene.awaitMoreFrames(3)) << "no frames after the surfaces came back";
        }
        EXPECT_EQ(300, scene.lastFrameWidth.load());
        EXPECT_EQ(200, scene.lastFrameHeight.load());
        scene.pause();
        scene.expectConsistentCounters(1);
    }
    DestroyWindow(huge);
    pumpMessages();
    EXPECT_EQ(memoryDCs, liveGdiObjects(OBJ_MEMDC));
    EXPECT_EQ(bitmaps, liveGdiObjects(OBJ_BITMAP));
    EXPECT_EQ(counted, gdiCount::live());
}
