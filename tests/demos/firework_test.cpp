// Firework bursts and sparks: flight, random values, catch-up, removal and their pens.
#include <gtest/gtest.h>

#include "scene_harness.h"

#include "ball_toss/ball_toss_scene.h"
#include "common/firework_burst.h"
#include "common/firework_spark.h"
#include "gdi_objects.h"
#include "rope_chase/rope_chase_scene.h"

#include <algorithm>
#include <cmath>

namespace {
const Vec2 gravity(0.0f, 0.2f);

// The longest spark life of a burst of sparkCount sparks made right after seedRandom(seed).
int longestSparkLife(unsigned int seed, int sparkCount) {
    const std::vector<int> draws = drawsAfterSeed(seed, 4 * sparkCount);
    int longest = 0;
    for (int i = 0; i < sparkCount; ++i) {
        longest = std::max(longest, 5 + draws[static_cast<std::size_t>(4 * i + 3)] % 50);
    }
    return longest;
}
} // namespace

TEST(FireworkSpark, WithoutSpeedFallsStraightDownByGrowingStepsAndStopsAtTheEndOfItsLife) {
    FireworkSpark spark(4, 50, 40, 0.0f, 0.0f, &gravity, RGB(200, 0, 0), 3);
    float previousY = spark.position.y;
    for (const float expectedFall : {0.2f, 0.4f, 0.6f}) {
        ASSERT_TRUE(spark.update());
        EXPECT_NEAR(expectedFall, spark.position.y - previousY, 1e-5);
        EXPECT_FLOAT_EQ(50.0f, spark.position.x);
        previousY = spark.position.y;
    }
    EXPECT_EQ(1, spark.life);
    EXPECT_FALSE(spark.isDead());
    EXPECT_TRUE(spark.update());
    EXPECT_TRUE(spark.isDead());
    const float lastY = spark.position.y;
    EXPECT_FALSE(spark.update());
    EXPECT_FLOAT_EQ(lastY, spark.position.y);
}

TEST(FireworkSpark, IsADotThreePixelsWideInItsColour) {
    TestSurface surface(100, 100);
    const COLORREF colour = RGB(120, 90, 0);
    FireworkSpark spark(10, 50, 40, 0.0f, 0.0f, &gravity, colour, 3);
    const HGDIOBJ penBefore = GetCurrentObject(surface.dc(), OBJ_PEN);

    spark.draw(surface.dc());

    for (const int y : {39, 40, 41}) {
        EXPECT_EQ(colour, surface.pixel(49, y)) << y;
    }
    EXPECT_TRUE(showsPixels(surface, white, {{49, 44}, {55, 40}}));
    // The spark can be deleted right after: its pen is no longer selected.
    EXPECT_EQ(penBefore, GetCurrentObject(surface.dc(), OBJ_PEN));
}

TEST(FireworkBurst, DrawsColourAngleSpeedAndLifeOfEachSparkInThisOrder) {
    const std::vector<int> draws = drawsAfterSeed(7, 8);
    FireworkBurst burst(2, 200, 150);
    ASSERT_EQ(2, burst.sparks.count());

    for (int i = 0; i < 2; ++i) {
        const FireworkSpark& spark = *burst.sparks.get(i);
        const int* r = &draws[static_cast<std::size_t>(4 * i)];
        const double angle = static_cast<float>((r[1] % 100) * 0.1);
        const double speed = static_cast<float>((r[2] % 100) * 0.1);
        EXPECT_NEAR(std::cos(angle) * speed, spark.velocity.x, 1e-5) << "spark " << i;
        EXPECT_NEAR(std::sin(angle) * speed, spark.velocity.y, 1e-5) << "spark " << i;
        EXPECT_EQ(5 + r[3] % 50, spark.life) << "spark " << i;
        // Gravity: 0.2 pixel per tick, each tick, downward.
        EXPECT_TRUE(isAt(spark.acceleration, 0.0f, 0.2f, 0));
        EXPECT_TRUE(isAt(spark.position, 200, 150, 0));
    }
    // The colour is the first draw itself: red in the low byte, green in the next, no blue.
    TestSurface surface(400, 300);
    burst.sparks.get(0)->draw(surface.dc());
    EXPECT_EQ(static_cast<COLORREF>(draws[0]), surface.pixel(199, 150));
    EXPECT_EQ(1, burst.life);
}

TEST(FireworkBurst, FirstSteppedWithSeveralTicksUpdatesSilentlyBeforeItsOnlyDrawing) {
    seedRandom(21);
    FireworkBurst behind(100, 400, 300);
    seedRandom(21);
    FireworkBurst onTime(100, 400, 300);
    TestSurface behindFrame(800, 600);
    TestSurface scratch(800, 600);
    TestSurface onTimeFrame(800, 600);

    behind.step(behindFrame.dc(), 3);
    onTime.step(scratch.dc(), 1);
    onTime.step(scratch.dc(), 1);
    onTime.step(onTimeFrame.dc(), 1);

    for (int i = 0; i < 100; ++i) {
        const Vec2 expected = onTime.sparks.get(i)->position;
        EXPECT_TRUE(isAt(behind.sparks.get(i)->position, expected.x, expected.y, 0)) << i;
    }
    // Only the positions after the third update are drawn, as in an on-time third frame.
    EXPECT_TRUE(samePicture(onTimeFrame, behindFrame));
    EXPECT_FALSE(samePicture(scratch, behindFrame));
}

TEST(FireworkBurst, DiesWithItsLastSparkAndLeavesTheSceneInThatFrame) {
    const int lastTick = longestSparkLife(5, FireworkBurst::sparksPerClick);
    SceneHarness<RopeChaseScene> harness;
    seedRandom(5);
    harness.scene.onLeftDown(0, at(0, 0));
    ASSERT_EQ(3, harness.scene.objectList.count());

    harness.frames(lastTick - 1);
    EXPECT_STREQ("num of object : 3 ", harness.scene.overlayText());
    const FireworkBurst* burst = static_cast<FireworkBurst*>(harness.scene.objectList.get(2));
    EXPECT_GT(burst->life, 0);
    EXPECT_LT(burst->life, FireworkBurst::sparksPerClick);

    harness.frame(1);
    EXPECT_EQ(2, harness.scene.objectList.count());
    EXPECT_STREQ("num of object : 2 ", harness.scene.overlayText());
}

TEST(FireworkBurst, ASparkDyingInAFrameIsDrawnOnceMoreAtItsLastPlace) {
    FireworkBurst burst(1, 300, 200);
    FireworkSpark& spark = *burst.sparks.get(0);
    spark.life = 1;
    spark.velocity = Vec2();
    TestSurface surface(600, 400);

    burst.step(surface.dc(), 1);

    EXPECT_NE(white, surface.pixel(299, 200)); // drawn at (300, 200.2)
    EXPECT_EQ(0, burst.sparks.count());
    EXPECT_EQ(0, burst.life);
    EXPECT_TRUE(burst.isDead());
}

// A spark's pen lives only while the spark draws: thirty bursts at once never hold more pens
// than they have sparks, and a thousand come and go without leaving anything.
TEST(FireworkBurst, PensOfManyBurstsAreAllFreedOnceTheSparksAreGone) {
    SceneHarness<BallTossScene> harness;
    harness.frame(1);
    const int baseline = gdiCount::live();
    gdiCount::resetPeak();
    for (int click = 0; click < 1000; ++click) {
        harness.scene.onRightDown(0, at(100 + click % 600, 100 + click % 400));
        harness.frame(1);
        if (click == 29) {
            EXPECT_EQ(35, harness.scene.objectList.count());
            EXPECT_LE(gdiCount::peak(), baseline + 30 * FireworkBurst::sparksPerClick);
            EXPECT_GT(gdiCount::live(), baseline);
        }
    }
    harness.frames(55); // a spark lives at most 54 updates
    EXPECT_EQ(5, harness.scene.objectList.count());
    EXPECT_EQ(baseline, gdiCount::live());
}
