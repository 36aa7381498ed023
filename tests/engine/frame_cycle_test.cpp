// The engine's frame cycle driven tick by tick: how ticks fold into elapsedTicks, what pausing,
// locking, painting and resizing do, and what a frame leaves selected in its surface.
#include "engine.h"
#include "hidden_window.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
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
        waitForFrame();
        CloseHandle(frameStarted);
        CloseHandle(frameRelease);
    }

    void renderFrame(HDC target, int elapsedTicks) override {
        if (handlerRunning) {
            frameDuringHandler = true;
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

    void tickAndFinish() {
        onTimerTick();
        waitForFrame();
    }

    std::vector<int> elapsed;
    std::vector<HDC> targets;
    std::vector<HDC> frontAtStart;
    std::atomic<int> framesFinished{0};
    std::atomic<bool> handlerRunning{false};
    std::atomic<bool> frameDuringHandler{false};
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

SIZE bitmapSizeOf(HDC dc) {
    BITMAP info{};
    GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof info, &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

} // namespace

TEST_F(FrameCycle, EveryTickGetsItsOwnFrameWhileFramesKeepUp) {
    for (int i = 0; i < 4; ++i) {
        scene.tickAndFinish();
    }
    EXPECT_EQ((std::vector<int>{1, 1, 1, 1}), scene.elapsed);
    EXPECT_EQ(4u, scene.ticksCounted());
}

TEST_F(FrameCycle, FramesAlternateBetweenTheSurfacesAndNeverDrawIntoTheShownOne) {
    for (int i = 0; i < 4; ++i) {
        scene.tickAndFinish();
    }
    for (size_t i = 0; i < scene.targets.size(); ++i) {
        EXPECT_NE(scene.frontAtStart[i], scene.targets[i]);
        if (i > 0) {
            EXPECT_NE(scene.targets[i - 1], scene.targets[i]);
        }
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
    scene.waitForFrame();
    scene.tickAndFinish();
    EXPECT_EQ((std::vector<int>{1, 3}), scene.elapsed);
    EXPECT_EQ(4, scene.paintBalanceNow()) << "no paints happened: one per counted tick";
}

TEST_F(FrameCycle, TicksWhilePausedAreNotCounted) {
    scene.tickAndFinish();
    scene.pause();
    scene.onTimerTick();
    scene.onTimerTick();
    EXPECT_EQ(1u, scene.ticksCounted());
    scene.resume();
    scene.tickAndFinish();
    EXPECT_EQ((std::vector<int>{1, 1}), scene.elapsed);
}

TEST_F(FrameCycle, TicksWhileLockedAreCountedAndCaughtUpAfterTheUnlock) {
    scene.tickAndFinish();
    scene.lockScene();
    for (int i = 0; i < 3; ++i) {
        scene.onTimerTick();
    }
    EXPECT_EQ(1u, scene.elapsed.size()) << "no frame starts while the scene is locked";
    scene.unlockScene();
    scene.tickAndFinish();
    EXPECT_EQ((std::vector<int>{1, 4}), scene.elapsed);
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

TEST_F(FrameCycle, PaintingEveryFrameKeepsTheBalanceConstant) {
    for (int i = 0; i < 5; ++i) {
        scene.tickAndFinish();
        scene.onPaint();
    }
    EXPECT_EQ(0, scene.paintBalanceNow());
    EXPECT_STREQ("error: P=0 count=5 ", scene.statusLine());
}

TEST_F(FrameCycle, APaintWithoutAFrameLowersTheBalance) {
    scene.tickAndFinish();
    scene.onPaint();
    scene.onPaint();
    EXPECT_STREQ("error: P=-1 count=1 ", scene.statusLine());
}

TEST_F(FrameCycle, AFrameStartsFromAWhiteSurface) {
    const HDC back = scene.backSurface();
    PatBlt(back, 0, 0, 320, 240, BLACKNESS);
    scene.tickAndFinish();
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(scene.front.load(), 10, 10));
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(scene.front.load(), 319, 239));
}

TEST_F(FrameCycle, AFrameLeavesNoScenePenOrBrushSelected) {
    HPEN pen = CreatePen(PS_SOLID, 3, RGB(255, 0, 0));
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
    scene.leavePen = pen;
    scene.leaveBrush = brush;
    scene.tickAndFinish();
    const HDC drawn = scene.front.load();
    EXPECT_EQ(GetStockObject(BLACK_PEN), GetCurrentObject(drawn, OBJ_PEN));
    EXPECT_EQ(GetStockObject(WHITE_BRUSH), GetCurrentObject(drawn, OBJ_BRUSH));
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteObject(brush));
}

TEST_F(FrameCycle, ResizingRecreatesBothSurfacesAtTheNewSize) {
    scene.onSize(SIZE_RESTORED, MAKELPARAM(300, 200));
    EXPECT_TRUE(scene.active.load());
    const SIZE front = bitmapSizeOf(scene.front.load());
    const SIZE back = bitmapSizeOf(scene.backSurface());
    EXPECT_EQ(300, front.cx);
    EXPECT_EQ(200, front.cy);
    EXPECT_EQ(300, back.cx);
    EXPECT_EQ(200, back.cy);
}

TEST_F(FrameCycle, AResizeWhileLockedKeepsTheSurfacesButReactivates) {
    scene.pause();
    scene.lockScene();
    scene.onSize(SIZE_RESTORED, MAKELPARAM(100, 80));
    scene.unlockScene();
    EXPECT_TRUE(scene.active.load());
    EXPECT_EQ(320, bitmapSizeOf(scene.front.load()).cx);
}

TEST_F(FrameCycle, MinimisingPausesUntilTheNextResizeOrActivation) {
    scene.onSize(SIZE_MINIMIZED, 0);
    EXPECT_FALSE(scene.active.load());
    scene.onTimerTick();
    EXPECT_EQ(0u, scene.ticksCounted());
    scene.onActivate(WA_ACTIVE, 0);
    EXPECT_TRUE(scene.active.load());
}

TEST_F(FrameCycle, DeactivationPausesAndActivationEndsAnyPause) {
    scene.onActivate(WA_INACTIVE, 0);
    EXPECT_FALSE(scene.active.load());
    scene.onActivate(WA_CLICKACTIVE, 0);
    EXPECT_TRUE(scene.active.load());
    scene.pause();
    scene.onActivate(WA_ACTIVE, 0);
    EXPECT_TRUE(scene.active.load());
}

TEST(FrameCycleStyles, OnlyTheDemoStyleRefreshesTheClientRectangleDuringALockedResize) {
    HiddenWindow window(320, 240);
    RecordingScene game(EngineStyle::Game);
    RecordingScene demo(EngineStyle::Demo);
    game.attachWindow(window.handle());
    demo.attachWindow(window.handle());
    SetWindowPos(window.handle(), nullptr, 0, 0, 200, 150,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (RecordingScene* scene : {&game, &demo}) {
        scene->lockScene();
        scene->onSize(SIZE_RESTORED, MAKELPARAM(200, 150));
        scene->unlockScene();
    }
    EXPECT_EQ(320, game.clientRect.right);
    EXPECT_EQ(200, demo.clientRect.right);
}

TEST(FrameCycleTimer, TheRealTimerDrivesFramesUntilPaused) {
    HiddenWindow window(64, 48);
    RecordingScene scene;
    scene.start(window.handle());
    EXPECT_EQ(1, scene.built);
    // Frames arrive by themselves; waiting on the frame event is the synchronisation.
    for (int frames = 0; frames < 3; ++frames) {
        scene.holdNextFrame();
        scene.releaseFrame();
        scene.awaitFrameStart();
        scene.waitForFrame();
    }
    scene.pause();
    int folded = 0;
    for (int ticks : scene.elapsed) {
        EXPECT_GE(ticks, 1);
        folded += ticks;
    }
    EXPECT_LE(static_cast<std::uint64_t>(folded), scene.ticksCounted());
    EXPECT_GE(scene.elapsed.size(), 3u);
}
