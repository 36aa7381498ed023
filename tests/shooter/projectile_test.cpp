// Projectiles: bolts leaving the arena, dying silently and striking once; the bomb's flight and
// its ring; the flame's generations and its deadly touch; the trails and dots on a surface.
#include "combat_fixture.h"

#include "combat/bolt.h"
#include "combat/bomb.h"
#include "combat/burst.h"
#include "combat/flame.h"
#include "variant_look.h"
#include "vec2_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr float quarterTurn = 0.785398163f;

const COLORREF green = RGB(100, 255, 100);
const COLORREF blue = RGB(150, 150, 255);

Burst* burstAt(const CombatWorld& scene, int index) {
    return static_cast<Burst*>(scene.object(index));
}

TEST(BoltFlight, LeavesTheArenaOnItsTwentySixthUpdateWithOneWallBurst) {
    CombatWorld scene;
    Bolt* bolt = scene.addObject(new Bolt(&scene.world, 500, 500, 0.0f, 20.0f, greenBoltLook));
    for (int update = 1; update <= 25; ++update) {
        bolt->update();
    }
    EXPECT_EQ(bolt->position.x, 1000.0f);
    EXPECT_EQ(bolt->life, 25);
    EXPECT_EQ(scene.objects(), 1);

    bolt->update();
    EXPECT_EQ(bolt->position.x, 1020.0f);
    EXPECT_EQ(bolt->life, 0);
    ASSERT_EQ(scene.objects(), 2);
    EXPECT_EQ(burstAt(scene, 1)->sparks.count(), 10);
    EXPECT_EQ(burstAt(scene, 1)->position.x, 1020.0f);
    EXPECT_EQ(paletteOf(burstAt(scene, 1)), &greenBursts);

    scene.runTicks(1);
    EXPECT_EQ(scene.world.objectList.get(0), burstAt(scene, 0));
    EXPECT_EQ(scene.objects(), 1);
}

// The shooter's green and blue bolts leave 10 sparks of their colour at each wall, the variant's
// grey one 20 of random colours.
TEST(BoltFlight, ThroughACornerLeavesTwoWallBurstsInOneUpdate) {
    struct Case {
        const BoltLook* kind;
        int sparks;
        const BurstPalette* palette;
    };
    for (const Case& c :
         {Case{&greenBoltLook, 10, &greenBursts}, Case{&blueBoltLook, 10, &blueBursts},
          Case{&greyBoltLook, 20, &randomBursts}}) {
        CombatWorld scene;
        Bolt* bolt = scene.addObject(new Bolt(&scene.world, 990, 990, quarterTurn, 20.0f, *c.kind));
        bolt->update();
        EXPECT_EQ(bolt->life, 0);
        ASSERT_EQ(scene.objects(), 3);
        for (int burst = 1; burst <= 2; ++burst) {
            EXPECT_EQ(burstAt(scene, burst)->sparks.count(), c.sparks);
            EXPECT_EQ(paletteOf(burstAt(scene, burst)), c.palette);
        }
    }
}

TEST(BoltFlight, DiesSilentlyAfterFiftyUpdatesInsideTheArena) {
    CombatWorld scene;
    Bolt* bolt = scene.addObject(new Bolt(&scene.world, 10, 10, quarterTurn, 20.0f, greenBoltLook));
    for (int update = 1; update <= 49; ++update) {
        bolt->update();
    }
    EXPECT_EQ(bolt->life, 1);
    bolt->update();
    EXPECT_EQ(bolt->life, 0);
    EXPECT_TRUE(isAt(bolt->position, 717.1f, 717.1f, 0.1f));
    bolt->update();
    EXPECT_NEAR(bolt->position.x, 717.1f, 0.1f);
    EXPECT_EQ(scene.objects(), 1);
}

TEST(BoltFlight, KeepsItsLastThreePositionsAsTheTrail) {
    CombatWorld scene;
    Bolt* bolt = scene.addObject(new Bolt(&scene.world, 100, 200, 0.0f, 20.0f, blueBoltLook));
    EXPECT_EQ(bolt->trail[2].x, 100.0f);
    bolt->update();
    bolt->update();
    bolt->update();
    EXPECT_EQ(bolt->position.x, 160.0f);
    EXPECT_EQ(bolt->trail[0].x, 140.0f);
    EXPECT_EQ(bolt->trail[1].x, 120.0f);
    EXPECT_EQ(bolt->trail[2].x, 100.0f);
}

// A bolt strikes the first enemy within 20 of it, once, and stops: the enemy's red hit burst
// of 10 sparks, then the bolt's own 5 sparks of its colour, after any wall burst of the same
// step. An enemy awaiting removal still stops it, though the hit changes nothing.
TEST(BoltStrike, HitsTheFirstEnemyOnceLeavingItsImpactBurst) {
    const BurstPalette *const red = &redBursts, *const greens = &greenBursts;
    const BurstPalette* const blues = &blueBursts;
    struct Case {
        const BoltLook* kind;
        int enemyX, enemyLife, boltX, updates, lifeAfter;
        std::vector<std::pair<int, const BurstPalette*>> sparksAndPalettes;
    };
    const Case cases[] = {
        {&greenBoltLook, 600, 5, 500, 10, 4, {{10, red}, {5, greens}}},            // at x = 580
        {&blueBoltLook, 540, 0, 500, 1, 0, {{5, blues}}},                          // being removed
        {&blueBoltLook, 1000, 5, 995, 1, 4, {{10, blues}, {10, red}, {5, blues}}}, // leaving
    };
    for (const Case& c : cases) {
        CombatWorld scene;
        Enemy* enemy = scene.addEnemy(c.enemyX, 500);
        enemy->life = c.enemyLife;
        Enemy* second = scene.addEnemy(c.enemyX + 40, 500);
        Bolt* bolt = scene.addObject(new Bolt(&scene.world, c.boltX, 500, 0.0f, 20.0f, *c.kind));
        for (int update = 0; update < c.updates; ++update) {
            bolt->update();
        }
        EXPECT_EQ(bolt->life, 0) << c.enemyX;
        EXPECT_EQ(enemy->life, c.lifeAfter) << c.enemyX;
        EXPECT_EQ(second->life, 5) << c.enemyX;
        const int bursts = static_cast<int>(c.sparksAndPalettes.size());
        ASSERT_EQ(scene.objects(), 1 + bursts) << c.enemyX;
        for (int i = 0; i < bursts; ++i) {
            EXPECT_EQ(burstAt(scene, 1 + i)->sparks.count(), c.sparksAndPalettes[i].first) << i;
            EXPECT_EQ(paletteOf(burstAt(scene, 1 + i)), c.sparksAndPalettes[i].second) << i;
        }
        EXPECT_EQ(burstAt(scene, bursts)->position.x, bolt->position.x);
    }
}

TEST(BombFlight, PassesThroughEnemiesBurstingEveryUpdateAndEndsInSixtyThreeBolts) {
    CombatWorld scene;
    Enemy* enemy = scene.addEnemy(560, 500);
    Bomb* bomb = scene.addObject(new Bomb(&scene.world, 500, 500, 0.0f, 20.0f));
    for (int update = 1; update <= 9; ++update) {
        bomb->update();
        ASSERT_EQ(scene.objects(), 1 + update);
        EXPECT_EQ(burstAt(scene, update)->sparks.count(), 10);
        EXPECT_EQ(paletteOf(burstAt(scene, update)), &blueBursts);
        EXPECT_EQ(burstAt(scene, update)->position.x, 500.0f + 20.0f * static_cast<float>(update));
    }
    bomb->update();
    EXPECT_EQ(bomb->life, 0);
    EXPECT_EQ(enemy->life, 5);
    ASSERT_EQ(scene.objects(), 1 + 9 + 63);
    for (int i = 0; i < 63; ++i) {
        const Bolt* bolt = static_cast<const Bolt*>(scene.object(10 + i));
        EXPECT_EQ(penLook(bolt->headPen).colour, blue);
        EXPECT_TRUE(isAt(bolt->position, 700.0f, 500.0f, 0));
        EXPECT_NEAR(bolt->velocity.length(), 20.0f, 1e-3);
        EXPECT_TRUE(isAt(bolt->velocity, 20.0 * std::cos(i * 0.1), 20.0 * std::sin(i * 0.1), 1e-3))
            << i;
    }
    bomb->update();
    EXPECT_EQ(scene.objects(), 73);
}

TEST(BombFlight, AtAWallBurstsAndReleasesItsRingOneStepBeyond) {
    struct Case {
        const ShooterLook* look;
        int wallSparks;
        const BurstPalette* palette;
        COLORREF ringHead;
    };
    for (const Case& c : {Case{&shooterLook, 5, &blueBursts, blue},
                          Case{&variantLook, 20, &randomBursts, RGB(100, 100, 100)}}) {
        CombatWorld scene(Vec2(0, 0), *c.look);
        Bomb* bomb = scene.addObject(new Bomb(&scene.world, 990, 500, 0.0f, 20.0f));
        bomb->update();
        EXPECT_EQ(bomb->position.x, 1010.0f);
        bomb->update();
        EXPECT_EQ(bomb->life, 0);
        // The flight burst, the wall burst at x = 1010, then the ring around x = 1030.
        ASSERT_EQ(scene.objects(), 3 + 63);
        EXPECT_EQ(burstAt(scene, 2)->sparks.count(), c.wallSparks);
        EXPECT_EQ(paletteOf(burstAt(scene, 1)), c.palette);
        EXPECT_EQ(paletteOf(burstAt(scene, 2)), c.palette);
        EXPECT_EQ(burstAt(scene, 2)->position.x, 1010.0f);
        EXPECT_EQ(scene.object(3)->position.x, 1030.0f);
        EXPECT_EQ(penLook(static_cast<Bolt*>(scene.object(3))->headPen).colour, c.ringHead);
    }
}

// The pens of each look's shots, from the head back: the shooter's green and blue bolts and
// its blue bomb, the variant's grey bolt and grey bomb.
TEST(ShotPens, AreTheLooksOwnFromHeadToTail) {
    struct Case {
        const ShooterLook* look;
        const BoltLook* bolt; // none: the look's bomb
        PenLookSeen pens[3];
    };
    const auto grey = [](int level) { return RGB(level, level, level); };
    const Case cases[] = {
        {&shooterLook,
         &greenBoltLook,
         {{2, green}, {1, RGB(100, 200, 100)}, {1, RGB(50, 150, 50)}}},
        {&shooterLook, &blueBoltLook, {{2, blue}, {1, RGB(100, 100, 200)}, {1, RGB(50, 50, 150)}}},
        {&shooterLook,
         nullptr,
         {{5, RGB(100, 100, 255)}, {2, RGB(50, 50, 160)}, {1, RGB(10, 10, 100)}}},
        {&variantLook, &greyBoltLook, {{1, grey(100)}, {1, grey(150)}, {1, grey(200)}}},
        {&variantLook, nullptr, {{5, grey(100)}, {1, grey(150)}, {1, grey(200)}}},
    };
    for (const Case& c : cases) {
        CombatWorld scene(Vec2(0, 0), *c.look);
        TrailShot* shot =
            c.bolt != nullptr
                ? scene.addObject<TrailShot>(new Bolt(&scene.world, 0, 0, 0.0f, 1.0f, *c.bolt))
                : scene.addObject<TrailShot>(new Bomb(&scene.world, 0, 0, 0.0f, 1.0f));
        const HPEN pens[3] = {shot->headPen, shot->middlePen, shot->tailPen};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(penLook(pens[i]).width, c.pens[i].width) << &c - cases << " " << i;
            EXPECT_EQ(penLook(pens[i]).colour, c.pens[i].colour) << &c - cases << " " << i;
        }
    }
}

TEST(TrailPicture, FadesFromHeadToTailAndScrollsWithTheArena) {
    CombatWorld scene(Vec2(30, 40));
    Bolt* bolt = scene.addObject(new Bolt(&scene.world, 100, 100, 0.0f, 20.0f, greenBoltLook));
    bolt->update();
    bolt->update();
    bolt->update();
    bolt->draw(scene.surface.dc());
    EXPECT_EQ(GetCurrentObject(scene.surface.dc(), OBJ_PEN), GetStockObject(BLACK_PEN));
    // Head 160..140, middle 140..120, tail 120..100, shifted by the arena's origin.
    EXPECT_EQ(scene.surface.pixel(180, 140), green);
    int headRows = 0;
    for (int y = 137; y <= 143; ++y) {
        headRows += scene.surface.pixel(180, y) == green ? 1 : 0;
    }
    EXPECT_EQ(headRows, 2);
    EXPECT_EQ(scene.surface.pixel(160, 140), RGB(100, 200, 100));
    EXPECT_TRUE(showsPixels(scene.surface, RGB(255, 255, 255), {{160, 141}, {129, 140}}));
    EXPECT_EQ(scene.surface.pixel(140, 140), RGB(50, 150, 50));
    EXPECT_EQ(bolt->screenPosition.x, 190.0f);
    EXPECT_EQ(bolt->trailScreen[2].x, 130.0f);
}

// Runs one update pass of the object list without the removal that follows it.
void updateObjects(World& world) {
    for (int i = 0; i < world.objectList.count(); ++i) {
        world.objectList.get(i)->update();
    }
}

TEST(FlameGenerations, GrowIntoTwoFourAndUpToOneHundredTwentyEightFlames) {
    CombatWorld scene;
    seedRandom(21);
    scene.addObject(new Flame(&scene.world, 500, 500, 0.0f, 10.0f, 8));
    const int alive[] = {1, 1, 2, 4, 8, 16, 32, 64};
    for (const int expected : alive) {
        updateObjects(scene.world);
        scene.world.objectList.removeDead();
        EXPECT_EQ(scene.objects(), expected);
    }
    // In the ninth tick the 64 flames of life 2 split into 128 of life 1, which split at once
    // into 256 of life 0 that never move.
    updateObjects(scene.world);
    ASSERT_EQ(scene.objects(), 64 + 128 + 256);
    for (int i = 64 + 128; i < scene.objects(); ++i) {
        const Flame* last = static_cast<const Flame*>(scene.object(i));
        EXPECT_EQ(last->life, 0);
        EXPECT_TRUE(
            isAt(last->position, std::trunc(last->position.x), std::trunc(last->position.y), 0));
    }
    scene.world.objectList.removeDead();
    EXPECT_EQ(scene.objects(), 0);
    // One colour for the first flame; speed, angle and colour for each of the 510 children.
    EXPECT_EQ(drawsSince(21), 1 + 510 * 3);
}

TEST(FlameGenerations, ChildrenTurnAndSlowByTheirDraws) {
    CombatWorld scene;
    Flame* flame = scene.addObject(new Flame(&scene.world, 500, 500, 0.0f, 10.0f, 8));
    flame->update();
    flame->update();
    seedRandom(4);
    const int slowLeft = nextRandom() % 5;
    const int turnLeft = nextRandom() % 10;
    nextRandom();
    const int slowRight = nextRandom() % 5;
    const int turnRight = nextRandom() % 10;
    const Vec2 velocity = flame->velocity / 1.02f;
    seedRandom(4);
    flame->update();
    ASSERT_EQ(scene.objects(), 3);
    const Flame* left = static_cast<const Flame*>(scene.object(1));
    const Flame* right = static_cast<const Flame*>(scene.object(2));
    EXPECT_EQ(left->life, 7);
    EXPECT_EQ(left->generation, 6);
    EXPECT_EQ(left->position.x, std::trunc(flame->position.x));
    EXPECT_NEAR(left->velocity.angle(), turnLeft * 0.08, 1e-5);
    EXPECT_NEAR(right->velocity.angle(), -turnRight * 0.08, 1e-5);
    EXPECT_NEAR(left->velocity.length(),
                std::fabs(velocity.length() - static_cast<float>(slowLeft)), 1e-4);
    EXPECT_NEAR(right->velocity.length(),
                std::fabs(velocity.length() - static_cast<float>(slowRight)), 1e-4);
}

TEST(FlameFlight, SlowsByTwoPercentPerUpdate) {
    CombatWorld scene;
    Flame* flame = scene.addObject(new Flame(&scene.world, 100, 100, 0.0f, 10.0f, 8));
    flame->update();
    EXPECT_NEAR(flame->velocity.x, 10.0 / 1.02, 1e-4);
    EXPECT_NEAR(flame->position.x, 100.0 + 10.0 / 1.02, 1e-4);
    EXPECT_EQ(flame->life, 7);
}

TEST(FlameStrike, KillsAnEnemyOfAnyLifeWithOneHit) {
    for (const ShooterLook* look : {&shooterLook, &variantLook}) {
        CombatWorld scene(Vec2(0, 0), *look);
        Enemy* enemy = scene.addEnemy(515, 500);
        Flame* flame = scene.addObject(new Flame(&scene.world, 500, 500, 0.0f, 10.0f, 8));
        flame->update();
        EXPECT_EQ(enemy->life, 0);
        EXPECT_EQ(flame->life, 0);
        if (look == &variantLook) {
            EXPECT_EQ(scene.objects(), 1);
            continue;
        }
        // The three death bursts: red, green, blue.
        ASSERT_EQ(scene.objects(), 4);
        EXPECT_EQ(paletteOf(burstAt(scene, 1)), &redBursts);
        EXPECT_EQ(paletteOf(burstAt(scene, 2)), &greenBursts);
        EXPECT_EQ(paletteOf(burstAt(scene, 3)), &blueBursts);
    }
}

TEST(FlameStrike, RepeatsTheDeathBurstsOfAnEnemyAwaitingRemoval) {
    CombatWorld scene;
    Enemy* enemy = scene.addEnemy(515, 500);
    enemy->life = 0;
    scene.addObject(new Flame(&scene.world, 500, 500, 0.0f, 10.0f, 8))->update();
    EXPECT_EQ(enemy->life, 0);
    EXPECT_EQ(scene.objects(), 4);
}

TEST(FlameFlight, AFlameBornWithoutLifeNeverMovesAndGoesAtTheNextRemoval) {
    CombatWorld scene;
    Flame* flame = scene.addObject(new Flame(&scene.world, 300, 300, 1.0f, 10.0f, 0));
    flame->update();
    EXPECT_TRUE(isAt(flame->position, 300.0f, 300.0f, 0));
    scene.runTicks(1);
    EXPECT_EQ(scene.objects(), 0);
    EXPECT_EQ(scene.surface.count(RGB(255, 255, 255)),
              scene.surface.width() * scene.surface.height());
}

TEST(FlamePicture, IsADotTenPixelsAcrossInItsDrawnColour) {
    CombatWorld scene(Vec2(10, 20));
    seedRandom(8);
    const int e = nextRandom() % 150;
    seedRandom(8);
    Flame* flame = scene.addObject(new Flame(&scene.world, 200, 200, 0.0f, 10.0f, 8));
    const COLORREF colour = RGB(255, 255 - e, e / 2);
    EXPECT_EQ(penLook(flame->pen).colour, colour);
    EXPECT_EQ(penLook(flame->pen).width, 10);
    flame->draw(scene.surface.dc());
    EXPECT_TRUE(showsPixels(scene.surface, colour, {{209, 220}, {205, 220}, {209, 216}}));
    EXPECT_TRUE(showsPixels(scene.surface, RGB(255, 255, 255), {{216, 220}, {209, 227}}));
    EXPECT_EQ(GetCurrentObject(scene.surface.dc(), OBJ_PEN), GetStockObject(BLACK_PEN));
}

} // namespace
