// The shared frame of the demonstration scenes: stepping, removal, pointer sprite, overlay,
// keys and objects that could not be allocated.
#include <gtest/gtest.h>

#include "scene_harness.h"

#include "box_recorder.h"

#include "ball_repel/ball_repel_scene.h"
#include "ball_toss/ball_toss_scene.h"
#include "ball_toss/trail_ball.h"
#include "common/demo_scene.h"
#include "gdi_objects.h"
#include "rope_chase/rope_chase_scene.h"

#include <string>
#include <vector>

namespace {
// A scene with no objects of its own; the tests add theirs.
class EmptyScene final : public DemoScene {
protected:
    void buildObjects() override {}
};

// Records its steps and dies in the step with the given number (0: never).
class RecordingObject final : public SceneObject {
public:
    RecordingObject(std::vector<std::string>* log, const char* name, int dieInStep = 0)
        : log_(log), name_(name), dieInStep_(dieInStep) {}
    void step(HDC target, int elapsedTicks) override {
        log_->push_back(name_ + ":" + std::to_string(elapsedTicks));
        // A mark, so that the tests can see whether a frame drew anything.
        Rectangle(target, 400, 300, 420, 320);
        steps_ += 1;
        if (steps_ == dieInStep_) {
            life = 0;
        }
    }
    bool isDead() const override { return life == 0; }
    int life = 1;

private:
    std::vector<std::string>* log_;
    std::string name_;
    int dieInStep_;
    int steps_ = 0;
};

constexpr COLORREF pointerRed = RGB(255, 0, 0);

// The test windows' procedure: counts the close requests (and does not close).
int closeRequests = 0;
LRESULT CALLBACK testProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        ++closeRequests;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
} // namespace

// Objects are stepped in list order with the frame's tick count, those added by input after
// the others; one that dies in its step is removed in that frame and not counted.
TEST(DemoFrame, StepsEveryObjectInListOrderAndRemovesOneDyingInItsStepInThatFrame) {
    SceneHarness<EmptyScene> harness;
    std::vector<std::string> log;
    harness.scene.addObject(new RecordingObject(&log, "first"));
    harness.scene.addObject(new RecordingObject(&log, "short", 2));

    harness.frame(3);
    EXPECT_STREQ("num of object : 2 ", harness.scene.overlayText());
    harness.scene.addObject(new RecordingObject(&log, "added by input"));
    harness.frame(1);
    EXPECT_STREQ("num of object : 2 ", harness.scene.overlayText());
    harness.frame(1);

    const std::vector<std::string> expected = {"first:3",         "short:3",          "first:1",
                                               "short:1",         "added by input:1", "first:1",
                                               "added by input:1"};
    EXPECT_EQ(expected, log);
}

TEST(DemoFrame, ATickCountOfZeroDrawsNothingAndStepsNothing) {
    SceneHarness<EmptyScene> harness;
    std::vector<std::string> log;
    harness.scene.addObject(new RecordingObject(&log, "object"));

    harness.frame(0);

    EXPECT_TRUE(log.empty());
    EXPECT_EQ(clientWidth * clientHeight, harness.surface.count(white));
    EXPECT_STREQ("", harness.scene.overlayText());
}

TEST(DemoFrame, DrawsThePointerAtTheOriginBeforeTheMouseMovesThenAtTheMouse) {
    SceneHarness<EmptyScene> harness;
    ASSERT_TRUE(harness.scene.cursor.isLoaded());

    harness.frame(1);
    // The arrow's tip: its top edge and its left edge are red, the corner itself is not lit.
    EXPECT_TRUE(showsPixels(harness.surface, pointerRed, {{1, 0}, {0, 1}}));
    EXPECT_EQ(white, harness.surface.pixel(0, 0));

    // Over the objects: the mark's black corner at (400, 300) lies under the arrow's tip.
    std::vector<std::string> log;
    harness.scene.addObject(new RecordingObject(&log, "mark"));
    harness.scene.mouse = Vec2(400.7f, 300.2f);
    harness.frame(1);
    EXPECT_TRUE(showsPixels(harness.surface, pointerRed, {{401, 300}, {400, 301}}));
    EXPECT_NE(pointerRed, harness.surface.pixel(1, 0));
}

TEST(DemoFrame, WritesTheObjectCountBelowTheStatusLineAndNeverListsAFailedAllocation) {
    SceneHarness<EmptyScene> harness;
    EXPECT_FALSE(harness.scene.addObject(nullptr));
    EXPECT_EQ(0, harness.scene.objectList.count());
    harness.frame(1); // the frame step would fault on an empty entry

    EXPECT_STREQ("num of object : 0 ", harness.scene.overlayText());
    // The text sits from row 20 on; rows 0..19 belong to the status line the window paints.
    EXPECT_GT(harness.surface.count(RGB(0, 0, 0), 0, 20, 200, 20), 20);
    EXPECT_EQ(0, harness.surface.count(RGB(0, 0, 0), 32, 0, clientWidth - 32, 20));
}

TEST(DemoFrame, LeavesTheSurfacesPenAndBrushAsItFoundThemAndTheTeardownReleasesBoth) {
    const int before = gdiCount::live();
    {
        SceneHarness<BallTossScene> toss;
        SceneHarness<BallRepelScene> repel;
        SceneHarness<RopeChaseScene> ropes;
        toss.scene.onRightDown(0, at(300, 300));
        ropes.scene.onLeftDown(0, at(300, 300));
        const HDC surfaces[] = {toss.surface.dc(), repel.surface.dc(), ropes.surface.dc()};
        std::vector<HGDIOBJ> found;
        for (const HDC surface : surfaces) {
            found.insert(found.end(), {GetCurrentObject(surface, OBJ_PEN),
                                       GetCurrentObject(surface, OBJ_BRUSH)});
        }
        // Long enough for every spark to die, be drawn one last time and be deleted.
        toss.frame(60);
        repel.frame(60);
        ropes.frame(60);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(found[2 * i], GetCurrentObject(surfaces[i], OBJ_PEN)) << "scene " << i;
            EXPECT_EQ(found[2 * i + 1], GetCurrentObject(surfaces[i], OBJ_BRUSH)) << "scene " << i;
        }
        EXPECT_EQ(5, toss.scene.objectList.count());
        EXPECT_EQ(2, ropes.scene.objectList.count());
        // The teardown meets live bursts.
        toss.scene.onRightDown(0, at(100, 100));
        ropes.scene.onLeftDown(0, at(100, 100));
        toss.frame(1);
        ropes.frame(1);
        EXPECT_GT(gdiCount::live(), before + 200);
    }
    EXPECT_EQ(before, gdiCount::live());
}

TEST(DemoKeys, EscapeAsksToCloseF1ShowsTheHelpBox123WithAnOkButtonOthersDoNothing) {
    HiddenWindow window(clientWidth, clientHeight, testProcedure);
    EmptyScene scene;
    scene.attachWindow(window.handle());
    closeRequests = 0;
    BoxRecorder recorder;
    scene.onKeyDown('A', 0);
    scene.onKeyDown(VK_F2, 0);
    EXPECT_EQ(0, closeRequests);
    EXPECT_TRUE(recorder.boxes.empty());
    scene.onKeyDown(VK_F1, 0);
    const SeenBox help{window.handle(), "help", "123", {IDOK}, false};
    EXPECT_EQ(std::vector<SeenBox>{help}, recorder.boxes);
    scene.onKeyDown(VK_ESCAPE, 0);
    EXPECT_EQ(1, closeRequests);
}

namespace {
MMRESULT WINAPI refuseTimer(UINT, UINT, LPTIMECALLBACK, DWORD_PTR, UINT) {
    return 0;
}
} // namespace

// A timer that cannot be created is reported in an ownerless box, and the window is asked to
// close.
TEST(DemoFailures, ATimerThatCannotStartIsReportedAndClosesTheWindow) {
    HiddenWindow window(clientWidth, clientHeight, testProcedure);
    EmptyScene scene;
    scene.startTimerEvent = refuseTimer;
    closeRequests = 0;
    BoxRecorder recorder;
    scene.start(window.handle());
    const SeenBox error{nullptr, "Error", "таймер не создан", {IDOK}, false};
    EXPECT_EQ(std::vector<SeenBox>{error}, recorder.boxes);
    EXPECT_EQ(1, closeRequests);
}

TEST(DemoWindow, MinimisingKeepsTheBallsAndTheBoundsWhereTheyWere) {
    SceneHarness<BallTossScene> toss;
    std::vector<Vec2> before;
    for (int i = 0; i < toss.scene.objectList.count(); ++i) {
        before.push_back(static_cast<TrailBall*>(toss.scene.objectList.get(i))->position);
    }
    const RECT bounds = toss.scene.clientRect;

    // Minimised, the window's client area is empty; activation with the minimised flag still
    // counts as active, so frames may go on.
    ShowWindow(toss.window.handle(), SW_MINIMIZE);
    toss.scene.onSize(SIZE_MINIMIZED, 0);
    toss.scene.onActivate(MAKEWPARAM(WA_ACTIVE, 1), 0);
    toss.frame(3);
    ShowWindow(toss.window.handle(), SW_RESTORE);
    toss.scene.onSize(SIZE_RESTORED, MAKELPARAM(clientWidth, clientHeight));
    toss.frame(1);

    EXPECT_TRUE(EqualRect(&bounds, &toss.scene.clientRect));
    for (int i = 0; i < toss.scene.objectList.count(); ++i) {
        const Vec2 now = static_cast<TrailBall*>(toss.scene.objectList.get(i))->position;
        EXPECT_TRUE(isAt(before[i], now.x, now.y, 0)) << "ball " << i;
    }
}
