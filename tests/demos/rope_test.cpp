// rope_chase: moveToward, the ropes' passes and catch-up, their drawing, and the scene's
// mouse rows.
#include <gtest/gtest.h>

#include "scene_harness.h"

#include "common/firework_burst.h"
#include "rope_chase/rope.h"
#include "rope_chase/rope_chase_scene.h"

#include <vector>

namespace {
constexpr COLORREF ropeBlue = RGB(0, 55, 155);
} // namespace

TEST(MoveToward, StepsTowardTheTargetLandsOnItWithinAStepAndStaysWithinAMillionth) {
    struct Case {
        const char* what;
        Vec2 start, target;
        float stepLength;
        bool moved;
        Vec2 end;
    };
    const Case cases[] = {
        {"within a millionth", {10, 20}, {10.0000005f, 19.9999995f}, 5, false, {10, 20}},
        {"exactly one step away", {0, 0}, {3, 4}, 5, true, {3, 4}},
        {"closer than a step", {3, 4}, {4, 4}, 7.5f, true, {4, 4}},
        {"down and right", {10, 10}, {40, 50}, 5, true, {13, 14}},
        {"straight up", {0, 0}, {0, -100}, 10, true, {0, -10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Vec2 point = c.start;
        EXPECT_EQ(c.moved, moveToward(point, c.target, c.stepLength));
        // A point left where it is keeps its exact coordinates.
        const float tolerance = c.moved ? 1e-3f : 0.0f;
        EXPECT_TRUE(isAt(c.end, point.x, point.y, tolerance));
    }
}

TEST(Rope, EachTickPullsThePointsTowardTheirNeighboursFromTheHead) {
    // The rope starts folded at the origin. `moved` lists where the points end from the head
    // back; the points behind them stay at the origin.
    struct Case {
        const char* what;
        Vec2 anchor;
        int ticks;
        std::vector<Vec2> moved;
    };
    const Case cases[] = {
        {"an anchor at the origin", {0, 0}, 1, {}},
        // The point behind the head pulls toward the head's old place.
        {"one tick: the head a third of the way", {90, 0}, 1, {{30, 0}}},
        // Head: 30, then a third of the remaining 60; behind it a third of the way to 30.
        {"two ticks: a silent and a drawn pass, same pull", {90, 0}, 2, {{50, 0}, {10, 0}}},
        // Four passes: the anchor travels four links down the rope.
        {"four ticks: four links caught up", {100, 50}, 4, std::vector<Vec2>(4, {100, 50})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Vec2 anchor = c.anchor;
        Rope rope(&anchor);
        TestSurface surface(200, 200);
        rope.step(surface.dc(), c.ticks);
        for (std::size_t back = 0; back < rope.points.size(); ++back) {
            const Vec2 expected = back < c.moved.size() ? c.moved[back] : Vec2();
            EXPECT_TRUE(isAt(rope.points[rope.points.size() - 1 - back], expected.x, expected.y))
                << back << " behind the head";
        }
        EXPECT_FALSE(rope.isDead());
    }
}

TEST(Rope, IsABlueLineWithAHeadDiscJoinedToItsAnchor) {
    Vec2 anchor(240.0f, 240.0f);
    Rope rope(&anchor);
    TestSurface surface(300, 300);
    const HGDIOBJ penBefore = GetCurrentObject(surface.dc(), OBJ_PEN);
    rope.step(surface.dc(), 1);

    // Head at (80, 80): the line to the anchor, the disc's outline, its white filling.
    EXPECT_TRUE(showsPixels(surface, ropeBlue, {{160, 160}, {239, 239}, {70, 80}}));
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
    EXPECT_TRUE(isAt(scene.mouseOffset, 180, 330));
    harness.frame(4);
    EXPECT_TRUE(isAt(first->points[99], 150, 300));
    EXPECT_TRUE(isAt(second->points[99], 180, 330));
    EXPECT_STREQ("num of object : 2 ", scene.overlayText());
}

TEST(RopeChaseScene, ALeftClickBurstsWhereTheMouseLastMoved) {
    SceneHarness<RopeChaseScene> harness;
    RopeChaseScene& scene = harness.scene;

    scene.onLeftDown(0, at(300, 300));
    const auto* atOrigin = static_cast<const FireworkBurst*>(scene.objectList.get(2));
    ASSERT_NE(nullptr, atOrigin);
    EXPECT_TRUE(isAt(atOrigin->position, 0, 0)) << "before any movement";

    scene.onMouseMove(0, at(50, 60));
    scene.onLeftDown(0, at(300, 300));
    const auto* atMouse = static_cast<const FireworkBurst*>(scene.objectList.get(3));
    ASSERT_NE(nullptr, atMouse);
    EXPECT_TRUE(isAt(atMouse->position, 50, 60)) << "the last movement, not the click";
    EXPECT_EQ(100, atMouse->sparks.count());

    scene.onRightDown(0, at(70, 80));
    EXPECT_EQ(4, scene.objectList.count());
    harness.frame(1);
    EXPECT_STREQ("num of object : 4 ", scene.overlayText());
}
