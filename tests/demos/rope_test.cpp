// rope_chase: moveToward, the ropes' passes and catch-up, their drawing, and the scene's
// mouse rows.
#include <gtest/gtest.h>

#include "scene_harness.h"

#include "firework_burst.h"
#include "rope.h"
#include "rope_chase_scene.h"

namespace {
constexpr COLORREF ropeBlue = RGB(0, 55, 155);

void expectAt(float x, float y, const Vec2& point, const char* what) {
    EXPECT_NEAR(x, point.x, 1e-3) << what;
    EXPECT_NEAR(y, point.y, 1e-3) << what;
}
} // namespace

TEST(MoveToward, LeavesAPointWithinAMillionthOfItsTargetWhereItIs) {
    Vec2 point(10.0f, 20.0f);
    EXPECT_FALSE(moveToward(point, Vec2(10.0000005f, 19.9999995f), 5.0f));
    EXPECT_FLOAT_EQ(10.0f, point.x);
    EXPECT_FLOAT_EQ(20.0f, point.y);
}

TEST(MoveToward, LandsOnTheTargetWhenItIsWithinOneStep) {
    Vec2 point(0.0f, 0.0f);
    EXPECT_TRUE(moveToward(point, Vec2(3.0f, 4.0f), 5.0f));
    expectAt(3.0f, 4.0f, point, "exactly one step away");
    EXPECT_TRUE(moveToward(point, Vec2(4.0f, 4.0f), 7.5f));
    expectAt(4.0f, 4.0f, point, "closer than a step");
}

TEST(MoveToward, OtherwiseStepsAlongTheDirectionToTheTarget) {
    Vec2 point(10.0f, 10.0f);
    EXPECT_TRUE(moveToward(point, Vec2(40.0f, 50.0f), 5.0f));
    expectAt(13.0f, 14.0f, point, "down and right");
    Vec2 upward(0.0f, 0.0f);
    moveToward(upward, Vec2(0.0f, -100.0f), 10.0f);
    expectAt(0.0f, -10.0f, upward, "straight up");
}

TEST(Rope, StartsFoldedAtTheOriginAndStaysThereUntilItsAnchorMoves) {
    Vec2 anchor;
    Rope rope(&anchor);
    TestSurface surface(200, 200);
    rope.step(surface.dc(), 1);
    for (const Vec2& point : rope.points) {
        expectAt(0.0f, 0.0f, point, "point");
    }
    EXPECT_FALSE(rope.isDead());
}

TEST(Rope, OneTickPullsTheHeadAThirdOfTheWayToItsAnchor) {
    Vec2 anchor(90.0f, 0.0f);
    Rope rope(&anchor);
    TestSurface surface(200, 200);
    rope.step(surface.dc(), 1);
    expectAt(30.0f, 0.0f, rope.points[99], "head");
    expectAt(0.0f, 0.0f, rope.points[98], "the point behind it pulls toward the old head");
}

TEST(Rope, TwoTicksMakeOneSilentAndOneDrawnPassAtTheSamePull) {
    Vec2 anchor(90.0f, 0.0f);
    Rope rope(&anchor);
    TestSurface surface(200, 200);
    rope.step(surface.dc(), 2);
    expectAt(50.0f, 0.0f, rope.points[99], "head: 30, then a third of the remaining 60");
    expectAt(10.0f, 0.0f, rope.points[98], "a third of the way to the head's 30");
    expectAt(0.0f, 0.0f, rope.points[97], "third point from the head");
}

TEST(Rope, FourTicksLetEveryPointJumpOntoItsNeighboursPlace) {
    Vec2 anchor(100.0f, 50.0f);
    Rope rope(&anchor);
    TestSurface surface(200, 200);
    rope.step(surface.dc(), 4);
    // Four passes: the anchor travels four links down the rope.
    for (int i = 96; i < 100; ++i) {
        expectAt(100.0f, 50.0f, rope.points[static_cast<std::size_t>(i)], "caught up");
    }
    expectAt(0.0f, 0.0f, rope.points[95], "not reached yet");
}

TEST(Rope, IsABlueLineWithAHeadDiscJoinedToItsAnchor) {
    Vec2 anchor(240.0f, 240.0f);
    Rope rope(&anchor);
    TestSurface surface(300, 300);
    const HGDIOBJ penBefore = GetCurrentObject(surface.dc(), OBJ_PEN);
    rope.step(surface.dc(), 1);

    // Head at (80, 80): the line to the anchor, the disc's outline, its white filling.
    EXPECT_EQ(ropeBlue, surface.pixel(160, 160));
    EXPECT_EQ(ropeBlue, surface.pixel(239, 239));
    EXPECT_EQ(ropeBlue, surface.pixel(70, 80));
    EXPECT_EQ(white, surface.pixel(75, 84));
    // The last link runs from the tail's old place to the head.
    EXPECT_EQ(ropeBlue, surface.pixel(40, 40));
    EXPECT_EQ(white, surface.pixel(160, 100));
    EXPECT_EQ(penBefore, GetCurrentObject(surface.dc(), OBJ_PEN));
}

TEST(RopeChaseScene, TheSecondRopeFollowsAPointThirtyPixelsRightOfAndBelowTheMouse) {
    SceneHarness<RopeChaseScene> harness;
    RopeChaseScene& scene = harness.scene;
    ASSERT_EQ(2, scene.objectList.count());
    const auto* first = static_cast<const Rope*>(scene.objectList.get(0));
    const auto* second = static_cast<const Rope*>(scene.objectList.get(1));

    scene.onMouseMove(0, at(150, 300));
    expectAt(180.0f, 330.0f, scene.mouseOffset, "offset anchor");
    harness.frame(4);
    expectAt(150.0f, 300.0f, first->points[99], "first head");
    expectAt(180.0f, 330.0f, second->points[99], "second head");
    EXPECT_STREQ("num of object : 2 ", scene.overlayText());
}

TEST(RopeChaseScene, ALeftClickBurstsWhereTheMouseLastMoved) {
    SceneHarness<RopeChaseScene> harness;
    RopeChaseScene& scene = harness.scene;

    scene.onLeftDown(0, at(300, 300));
    const auto* atOrigin = static_cast<const FireworkBurst*>(scene.objectList.get(2));
    ASSERT_NE(nullptr, atOrigin);
    expectAt(0.0f, 0.0f, atOrigin->position, "before any movement");

    scene.onMouseMove(0, at(50, 60));
    scene.onLeftDown(0, at(300, 300));
    const auto* atMouse = static_cast<const FireworkBurst*>(scene.objectList.get(3));
    ASSERT_NE(nullptr, atMouse);
    expectAt(50.0f, 60.0f, atMouse->position, "the last movement, not the click");

    scene.onRightDown(0, at(70, 80));
    EXPECT_EQ(4, scene.objectList.count());
    harness.frame(1);
    EXPECT_STREQ("num of object : 4 ", scene.overlayText());
}
