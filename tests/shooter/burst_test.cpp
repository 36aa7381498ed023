// Bursts and sparks: the draws behind every spark, the three palettes, how sparks slow down and
// are spent, the order the survivors keep, and the streaks on a real surface.
#include "combat_fixture.h"

#include "combat/burst.h"
#include "combat/spark.h"
#include "gdi_objects.h"
#include "vec2_checks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

Burst* burstOf(CombatWorld& scene, int sparks, const BurstPalette& palette) {
    return scene.addObject(new Burst(&scene.world, Vec2(300, 400), sparks, palette));
}

// How each palette throws a spark: the draws its colour takes (r[0] drawn first) and the
// colour it makes of them, the pen width, and the ranges of the direction and speed draws that
// follow the drag's.
struct PaletteMapping {
    const BurstPalette* palette;
    int colourDraws;
    COLORREF (*colour)(const int* r);
    int width;
    int angleSteps;
    int speedSteps;
};

const PaletteMapping paletteMappings[] = {
    {&redBursts, 3, [](const int* r) { return RGB(20 + r[2] % 235, r[1] % 25, r[0] % 25); }, 5, 70,
     200},
    {&greenBursts, 3, [](const int* r) { return RGB(r[2] % 80, 100 + r[0] % 155, r[1] % 80); }, 3,
     70, 200},
    {&blueBursts, 3,
     [](const int* r) { return RGB(80 + r[2] % 50, 80 + r[1] % 50, 150 + r[0] % 105); }, 3, 70,
     200},
    // One raw draw: red is its low 8 bits, green the next 7, blue always 0.
    {&randomBursts, 1, [](const int* r) { return RGB(r[0] & 0xFF, r[0] >> 8, 0); }, 2, 100, 100},
};

TEST(BurstConstruction, DrawsColourDragAngleAndSpeedForEverySparkInThatOrder) {
    for (const PaletteMapping& mapping : paletteMappings) {
        SCOPED_TRACE(&mapping - paletteMappings);
        CombatWorld scene;
        seedRandom(11);
        Burst* burst = burstOf(scene, 4, *mapping.palette);
        EXPECT_EQ(drawsSince(11), 4 * (mapping.colourDraws + 3));
        ASSERT_EQ(burst->sparks.count(), 4);
        EXPECT_EQ(burst->life, 1);
        EXPECT_EQ(burst->position.x, 300.0f);

        seedRandom(11);
        for (int i = 0; i < 4; ++i) {
            int r[3] = {};
            for (int draw = 0; draw < mapping.colourDraws; ++draw) {
                r[draw] = nextRandom();
            }
            const auto drag = static_cast<float>((nextRandom() % 100) * 0.1 + 2.0);
            const auto angle = static_cast<float>((nextRandom() % mapping.angleSteps) * 0.1);
            const auto speed = static_cast<float>((nextRandom() % mapping.speedSteps) * 0.1);
            const Spark& spark = *burst->sparks.get(i);
            EXPECT_EQ(spark.colour, mapping.colour(r));
            EXPECT_EQ(spark.penWidth, mapping.width);
            EXPECT_EQ(spark.drag, drag);
            EXPECT_TRUE(
                isAt(spark.velocity, std::cos(angle) * speed, std::sin(angle) * speed, 1e-4));
            EXPECT_TRUE(isAt(spark.position, 300.0f, 400.0f, 0));
        }
    }
}

TEST(SparkMotion, MovesThenLosesTheDragShareOfItsVelocity) {
    CombatWorld scene;
    Spark spark(scene.world.arena(), Vec2(10, 20), 10.0f, 0.0f, 2.0f, RGB(255, 0, 0), 1);
    spark.advance();
    EXPECT_EQ(spark.alive, 1);
    EXPECT_FLOAT_EQ(spark.position.x, 20.0f);
    EXPECT_FLOAT_EQ(spark.velocity.x, 5.0f);
    spark.advance();
    EXPECT_FLOAT_EQ(spark.position.x, 25.0f);
    EXPECT_FLOAT_EQ(spark.velocity.x, 2.5f);
    // Both components now lie below 3: the spark is spent where it stands.
    spark.advance();
    EXPECT_EQ(spark.alive, 0);
    EXPECT_FLOAT_EQ(spark.position.x, 25.0f);
}

// A spark is spent, where it stands, once both components of its velocity lie below 3.
TEST(SparkMotion, ASparkStartingSlowIsSpentWithoutMoving) {
    struct Case {
        Vec2 velocity;
        bool spent;
        Vec2 after;
    };
    CombatWorld scene;
    for (const Case& c :
         {Case{Vec2(2.9f, -2.9f), true, Vec2(10, 20)}, Case{Vec2(3.0f, 0.0f), false, Vec2(13, 20)},
          Case{Vec2(0.0f, -3.0f), false, Vec2(10, 17)}}) {
        Spark spark(scene.world.arena(), Vec2(10, 20), 0.0f, 0.0f, 5.0f, RGB(255, 0, 0), 1);
        spark.velocity = c.velocity;
        spark.advance();
        EXPECT_EQ(spark.isDead(), c.spent) << c.after.x << "," << c.after.y;
        EXPECT_TRUE(isAt(spark.position, c.after.x, c.after.y, 0));
    }
}

TEST(BurstLifetime, SpentSparksLeaveAndTheOthersKeepTheirOrder) {
    CombatWorld scene;
    Burst* burst = burstOf(scene, 6, redBursts);
    const Spark* kept[] = {burst->sparks.get(1), burst->sparks.get(3), burst->sparks.get(4)};
    // The first, a middle and the last spark are spent in the first update.
    for (int i = 0; i < 6; ++i) {
        const bool spent = i == 0 || i == 2 || i == 5;
        burst->sparks.get(i)->velocity = spent ? Vec2(1.0f, 1.0f) : Vec2(50.0f, 0.0f);
    }
    burst->update();
    ASSERT_EQ(burst->sparks.count(), 3);
    EXPECT_EQ(burst->life, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(burst->sparks.get(i), kept[i]);
    }
    EXPECT_EQ(burst->sparks.get(3), nullptr);
}

TEST(BurstLifetime, LivesUntilItsLastSparkIsSpent) {
    CombatWorld scene;
    // A burst of no sparks is alive until its first update, which removes it.
    EXPECT_FALSE(burstOf(scene, 0, redBursts)->isDead());
    scene.runTicks(1);
    EXPECT_EQ(scene.objects(), 0);
    seedRandom(3);
    const int entities = liveEntityCount;
    burstOf(scene, 100, blueBursts);
    EXPECT_EQ(liveEntityCount, entities + 1);
    int ticks = 0;
    while (scene.objects() > 0 && ticks < 100) {
        scene.runTicks(1);
        ticks += 1;
    }
    EXPECT_EQ(scene.objects(), 0);
    // The fastest sparks with the least drag need about twenty ticks to slow down.
    EXPECT_GT(ticks, 5);
    EXPECT_LT(ticks, 40);
    EXPECT_EQ(liveEntityCount, entities);
}

// A streak from the spark's screen position along its velocity in the spark's pen: 1 pixel
// wide, its end pixel left out, or the red palette's 5, round ends and two rows above and below.
TEST(BurstPicture, DrawsEachSparkAsAStreakAlongItsVelocityInTheScrolledArena) {
    for (const int width : {1, 5}) {
        CombatWorld scene(Vec2(50, 20));
        Burst* burst = burstOf(scene, 1, redBursts);
        Spark& spark = *burst->sparks.get(0);
        EXPECT_EQ(spark.penWidth, 5);
        spark.position = Vec2(100, 100);
        spark.velocity = Vec2(10, 0);
        spark.penWidth = width;
        spark.colour = RGB(200, 0, 0);
        const int pens = gdiCount::live();
        burst->draw(scene.surface.dc());
        EXPECT_EQ(gdiCount::live(), pens);
        // The pen the surface held is selected again.
        EXPECT_EQ(GetCurrentObject(scene.surface.dc(), OBJ_PEN), GetStockObject(BLACK_PEN));
        EXPECT_TRUE(isAt(spark.screenPosition, 150.0f, 120.0f, 0));
        EXPECT_EQ(scene.surface.count(RGB(200, 0, 0), 150, 120, 10, 1), 10);
        const COLORREF wide = width == 5 ? RGB(200, 0, 0) : RGB(255, 255, 255);
        EXPECT_TRUE(
            showsPixels(scene.surface, wide, {{160, 120}, {149, 120}, {155, 118}, {155, 122}}));
        EXPECT_EQ(scene.surface.pixel(155, 124), RGB(255, 255, 255));
    }
}

} // namespace
