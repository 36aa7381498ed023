// Bursts and sparks: the draws behind every spark, the three palettes, how sparks slow down and
// are spent, the order the survivors keep, and the streaks on a real surface.
#include "combat_fixture.h"

#include "combat/burst.h"
#include "combat/spark.h"
#include "gdi_objects.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

Burst* burstOf(CombatWorld& scene, int sparks, BurstPalette palette) {
    return scene.addObject(new Burst(&scene.world, Vec2(300, 400), sparks, palette));
}

// How each palette throws a spark: the draws its colour takes (r[0] drawn first) and the
// colour it makes of them, the pen width, and the ranges of the direction and speed draws that
// follow the drag's.
struct PaletteMapping {
    BurstPalette palette;
    int colourDraws;
    COLORREF (*colour)(const int* r);
    int width;
    int angleSteps;
    int speedSteps;
};

const PaletteMapping paletteMappings[] = {
    {BurstPalette::Red, 3, [](const int* r) { return RGB(20 + r[2] % 235, r[1] % 25, r[0] % 25); },
     5, 70, 200},
    {BurstPalette::Green, 3,
     [](const int* r) { return RGB(r[2] % 80, 100 + r[0] % 155, r[1] % 80); }, 3, 70, 200},
    {BurstPalette::Blue, 3,
     [](const int* r) { return RGB(80 + r[2] % 50, 80 + r[1] % 50, 150 + r[0] % 105); }, 3, 70,
     200},
    // One raw draw: red is its low 8 bits, green the next 7, blue always 0.
    {BurstPalette::Random, 1, [](const int* r) { return RGB(r[0] & 0xFF, r[0] >> 8, 0); }, 2, 100,
     100},
};

TEST(BurstConstruction, DrawsColourDragAngleAndSpeedForEverySparkInThatOrder) {
    for (const PaletteMapping& mapping : paletteMappings) {
        SCOPED_TRACE(static_cast<int>(mapping.palette));
        CombatWorld scene;
        seedRandom(11);
        Burst* burst = burstOf(scene, 4, mapping.palette);
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
            EXPECT_NEAR(spark.velocity.x, std::cos(angle) * speed, 1e-4);
            EXPECT_NEAR(spark.velocity.y, std::sin(angle) * speed, 1e-4);
            EXPECT_EQ(spark.position.x, 300.0f);
            EXPECT_EQ(spark.position.y, 400.0f);
        }
    }
}

struct PaletteRange {
    BurstPalette palette;
    int width;
    int redLow, redHigh, greenLow, greenHigh, blueLow, blueHigh;
};

class BurstColours : public ::testing::TestWithParam<PaletteRange> {};

TEST_P(BurstColours, StayWithinThePaletteAndUseItsPenWidth) {
    const PaletteRange range = GetParam();
    CombatWorld scene;
    seedRandom(5);
    Burst* burst = burstOf(scene, 300, range.palette);
    ASSERT_EQ(burst->sparks.count(), 300);
    for (int i = 0; i < burst->sparks.count(); ++i) {
        const Spark& spark = *burst->sparks.get(i);
        EXPECT_EQ(spark.penWidth, range.width);
        EXPECT_GE(GetRValue(spark.colour), range.redLow);
        EXPECT_LE(GetRValue(spark.colour), range.redHigh);
        EXPECT_GE(GetGValue(spark.colour), range.greenLow);
        EXPECT_LE(GetGValue(spark.colour), range.greenHigh);
        EXPECT_GE(GetBValue(spark.colour), range.blueLow);
        EXPECT_LE(GetBValue(spark.colour), range.blueHigh);
        EXPECT_GE(spark.drag, 2.0f);
        EXPECT_LE(spark.drag, 11.91f);
        EXPECT_LT(spark.velocity.length(), 19.91f);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ThreePalettes, BurstColours,
    ::testing::Values(PaletteRange{BurstPalette::Red, 5, 20, 254, 0, 24, 0, 24},
                      PaletteRange{BurstPalette::Green, 3, 0, 79, 100, 254, 0, 79},
                      PaletteRange{BurstPalette::Blue, 3, 80, 129, 80, 129, 150, 254}));

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

TEST(SparkMotion, ASparkStartingSlowIsSpentWithoutMoving) {
    CombatWorld scene;
    Spark spark(scene.world.arena(), Vec2(10, 20), 0.0f, 0.0f, 5.0f, RGB(255, 0, 0), 1);
    spark.velocity = Vec2(2.9f, -2.9f);
    spark.advance();
    EXPECT_TRUE(spark.isDead());
    EXPECT_EQ(spark.position.x, 10.0f);
    EXPECT_EQ(spark.position.y, 20.0f);
}

TEST(BurstLifetime, SpentSparksLeaveAndTheOthersKeepTheirOrder) {
    CombatWorld scene;
    Burst* burst = burstOf(scene, 6, BurstPalette::Red);
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
    seedRandom(3);
    const int entities = liveEntityCount;
    burstOf(scene, 100, BurstPalette::Blue);
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

TEST(BurstLifetime, ABurstOfNoSparksIsRemovedAfterItsFirstUpdate) {
    CombatWorld scene;
    Burst* burst = burstOf(scene, 0, BurstPalette::Red);
    EXPECT_FALSE(burst->isDead());
    scene.runTicks(1);
    EXPECT_EQ(scene.objects(), 0);
}

TEST(BurstPicture, DrawsEachSparkAsAStreakAlongItsVelocityInTheScrolledArena) {
    CombatWorld scene(Vec2(50, 20));
    Burst* burst = burstOf(scene, 1, BurstPalette::Red);
    Spark& spark = *burst->sparks.get(0);
    spark.position = Vec2(100, 100);
    spark.velocity = Vec2(10, 0);
    spark.penWidth = 1;
    spark.colour = RGB(200, 0, 0);

    const int pens = gdiCount::live();
    burst->draw(scene.surface.dc());
    EXPECT_EQ(gdiCount::live(), pens);
    // The pen the surface held is selected again.
    EXPECT_EQ(GetCurrentObject(scene.surface.dc(), OBJ_PEN), GetStockObject(BLACK_PEN));

    for (int x = 150; x < 160; ++x) {
        EXPECT_EQ(scene.surface.pixel(x, 120), RGB(200, 0, 0)) << x;
    }
    EXPECT_EQ(scene.surface.pixel(160, 120), RGB(255, 255, 255));
    EXPECT_EQ(scene.surface.pixel(149, 120), RGB(255, 255, 255));
    EXPECT_EQ(scene.surface.count(RGB(200, 0, 0)), 10);
    EXPECT_EQ(spark.screenPosition.x, 150.0f);
    EXPECT_EQ(spark.screenPosition.y, 120.0f);
}

TEST(BurstPicture, WideSparksUseThePaletteWidth) {
    CombatWorld scene;
    Burst* burst = burstOf(scene, 1, BurstPalette::Red);
    Spark& spark = *burst->sparks.get(0);
    spark.position = Vec2(100, 100);
    spark.velocity = Vec2(20, 0);
    spark.colour = RGB(200, 0, 0);
    burst->draw(scene.surface.dc());
    // Five pixels across: two rows above and below the streak are painted too.
    EXPECT_EQ(scene.surface.pixel(110, 98), RGB(200, 0, 0));
    EXPECT_EQ(scene.surface.pixel(110, 102), RGB(200, 0, 0));
    EXPECT_EQ(scene.surface.pixel(110, 104), RGB(255, 255, 255));
}

} // namespace
