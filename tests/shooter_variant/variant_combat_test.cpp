// What the variant's combat does differently: sparks of random colours from four draws each,
// one grey bolt class bursting twenty sparks at a wall and ten on an enemy, and enemies that
// die without bursts of their own, whatever kills them.
#include "combat_fixture.h"

#include "bolt.h"
#include "bomb.h"
#include "burst.h"
#include "flame.h"
#include "variant_look.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

int sparksOf(const CombatWorld& scene, int index) {
    return static_cast<Burst*>(scene.object(index))->sparks.count();
}

TEST(VariantBurst, DrawsRawColourDragAngleAndSpeedForEverySparkInThatOrder) {
    CombatWorld scene(Vec2(0, 0), variantLook);
    seedRandom(11);
    Burst* burst =
        scene.addObject(new Burst(&scene.world, Vec2(300, 400), 3, BurstPalette::Random));
    EXPECT_EQ(drawsSince(11), 12);
    seedRandom(11);
    for (int i = 0; i < 3; ++i) {
        const int colour = nextRandom();
        const auto drag = static_cast<float>((nextRandom() % 100) * 0.1 + 2.0);
        const auto angle = static_cast<float>((nextRandom() % 100) * 0.1);
        const auto speed = static_cast<float>((nextRandom() % 100) * 0.1);
        const Spark& spark = *burst->sparks.get(i);
        // Red is the low 8 bits, green the next 7, blue always 0.
        EXPECT_EQ(spark.colour, RGB(colour & 0xFF, colour >> 8, 0));
        EXPECT_EQ(spark.penWidth, 2);
        EXPECT_EQ(spark.drag, drag);
        EXPECT_NEAR(spark.velocity.x, std::cos(angle) * speed, 1e-4);
        EXPECT_NEAR(spark.velocity.y, std::sin(angle) * speed, 1e-4);
    }
}

TEST(VariantBolt, ThroughACornerLeavesTwoTwentySparkBursts) {
    CombatWorld scene(Vec2(0, 0), variantLook);
    Bolt* bolt =
        scene.addObject(new Bolt(&scene.world, 990, 990, 0.785398163f, 20.0f, greyBoltLook));
    bolt->update();
    EXPECT_EQ(bolt->life, 0);
    ASSERT_EQ(scene.objects(), 3);
    EXPECT_EQ(sparksOf(scene, 1), 20);
    EXPECT_EQ(sparksOf(scene, 2), 20);
}

TEST(VariantEnemy, FiveBoltHitsRemoveItWithoutABurstWhileEachBoltLeavesTen) {
    CombatWorld scene(Vec2(0, 0), variantLook);
    Enemy* enemy = scene.addEnemy(600, 500);
    for (int shot = 1; shot <= 5; ++shot) {
        Bolt* bolt = scene.addObject(new Bolt(&scene.world, 500, 500, 0.0f, 20.0f, greyBoltLook));
        for (int step = 0; step < 4; ++step) {
            bolt->update();
        }
        EXPECT_EQ(enemy->life, 5 - shot);
        // The bolt, then its burst only.
        ASSERT_EQ(scene.objects(), 2) << "shot " << shot;
        EXPECT_EQ(sparksOf(scene, 1), 10);
        scene.world.objectList.clear();
    }
    scene.runTicks(1);
    EXPECT_EQ(scene.world.solidList.count(), 0);
    EXPECT_EQ(scene.objects(), 0);
}

TEST(VariantEnemy, AFlameKillsItAtOnceWithoutABurst) {
    CombatWorld scene(Vec2(0, 0), variantLook);
    Enemy* enemy = scene.addEnemy(510, 500);
    scene.addObject(new Flame(&scene.world, 500, 500, 0.0f, 10.0f, 8))->update();
    EXPECT_EQ(enemy->life, 0);
    EXPECT_EQ(scene.objects(), 1);
}

TEST(VariantArsenal, ABombAtAWallBurstsTwentyAndRingsIntoGreyBolts) {
    CombatWorld scene(Vec2(0, 0), variantLook);
    scene.addObject(new Bomb(&scene.world, 1001, 500, 0.0f, 20.0f))->update();
    ASSERT_EQ(scene.objects(), 2 + 63);
    EXPECT_EQ(sparksOf(scene, 1), 20);
    EXPECT_EQ(penLook(static_cast<TrailShot*>(scene.object(2))->headPen).colour,
              RGB(100, 100, 100));
}

} // namespace
