// The five weapons: what each fires, from where, in which directions and at which speeds, the
// numbers each draws, and the pacing of the held fire button by the player's cadence flags.
#include "combat_fixture.h"

#include "combat/bolt.h"
#include "combat/bomb.h"
#include "combat/flame.h"
#include "combat/player.h"
#include "random_draws.h"
#include "variant_look.h"
#include "vec2_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

const COLORREF greenHead = RGB(100, 255, 100);
const COLORREF blueHead = RGB(150, 150, 255);

double jitterOf(int draw) {
    return 0.025 - (draw % 10) * 0.005;
}

class Armed : public ::testing::Test {
protected:
    Armed() : player(scene.addObject(new Player(&scene.world, 500, 500))) {}

    const TrailShot& shot(int index) const {
        return *static_cast<const TrailShot*>(scene.object(index));
    }

    CombatWorld scene;
    Player* player;
};

TEST_F(Armed, ScatterFiresFourGreenBoltsWithAFreshJitterEach) {
    player->scatterReady = true;
    player->aim = Vec2(0.0f, 50.0f);
    const std::vector<int> draws = drawsAfterSeed(31, 4);
    player->fireScatter();
    EXPECT_EQ(drawsSince(31), 4);
    EXPECT_FALSE(player->scatterReady);
    ASSERT_EQ(scene.objects(), 5);
    const double offsets[] = {-0.05, 0.0, 0.0, 0.05};
    for (int i = 0; i < 4; ++i) {
        const TrailShot& bolt = shot(1 + i);
        EXPECT_EQ(penLook(bolt.headPen).colour, greenHead);
        EXPECT_TRUE(isAt(bolt.position, 500.0f, 500.0f, 0));
        EXPECT_NEAR(bolt.velocity.length(), 20.0f, 1e-4);
        EXPECT_NEAR(bolt.velocity.angle(), 1.5707963 + jitterOf(draws[i]) + offsets[i], 1e-5);
    }
    player->fireScatter();
    EXPECT_EQ(scene.objects(), 5);
}

TEST_F(Armed, StreamFiresOneBlueBoltPerCallFromTheTruncatedPositionWithAFreshJitter) {
    player->position = Vec2(300.7f, 200.2f);
    const std::vector<int> draws = drawsAfterSeed(17, 3);
    player->fireStream();
    player->fireStream();
    player->fireStream();
    EXPECT_EQ(drawsSince(17), 3);
    ASSERT_EQ(scene.objects(), 4);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(penLook(shot(i).headPen).colour, blueHead);
        EXPECT_TRUE(isAt(shot(i).position, 300.0f, 200.0f, 0));
        EXPECT_NEAR(shot(i).velocity.length(), 20.0f, 1e-4);
        EXPECT_NEAR(shot(i).velocity.angle(), jitterOf(draws[i - 1]), 1e-5);
    }
}

// Without an aim every weapon fires toward +x, each shot with its look's head pen: green
// scatter, blue stream, the blue bomb and green volley in the shooter, grey all through in the
// variant.
TEST(ArmedLooks, WithoutAnAimEveryWeaponFiresTowardPlusXWithItsLooksHeadPen) {
    const PenLookSeen grey{1, RGB(100, 100, 100)}, green{2, greenHead}, blue{2, blueHead};
    for (const auto& [look, heads] :
         {std::pair{&shooterLook, std::vector{green, blue, PenLookSeen{5, RGB(100, 100, 255)}}},
          std::pair{&variantLook, std::vector{grey, grey, PenLookSeen{5, grey.colour}}}}) {
        SCOPED_TRACE(look == &shooterLook ? "shooter" : "shooter_variant");
        CombatWorld scene(Vec2(0, 0), *look);
        Player* player = scene.addObject(new Player(&scene.world, 500, 500));
        seedRandom(2);
        player->scatterReady = true;
        player->bombReady = true;
        player->volleyReady = true;
        player->fireScatter();
        player->fireStream();
        player->fireBomb();
        player->fireFlame();
        player->fireVolley();
        ASSERT_EQ(scene.objects(), 1 + 4 + 1 + 1 + 1 + 6);
        // Scatter, stream, bomb, flame, volley; the flame (index 7) has no trail.
        const int headOf[] = {0, 0, 0, 0, 0, 1, 2, -1, 0, 0, 0, 0, 0, 0};
        for (int i = 1; i < scene.objects(); ++i) {
            const Entity* fired = scene.object(i);
            const Vec2 velocity = i == 7 ? static_cast<const Flame*>(fired)->velocity
                                         : static_cast<const TrailShot*>(fired)->velocity;
            EXPECT_GT(velocity.x, 0.0f) << i;
            EXPECT_NEAR(velocity.angle(), 0.0f, 0.0751f) << i;
            if (i != 7) {
                const PenLookSeen head = penLook(static_cast<const TrailShot*>(fired)->headPen);
                EXPECT_EQ(head.width, heads[headOf[i]].width) << i;
                EXPECT_EQ(head.colour, heads[headOf[i]].colour) << i;
            }
        }
    }
}

TEST_F(Armed, BombFiresOnceWhileItsFlagIsUpWithAJitter) {
    player->fireBomb();
    EXPECT_EQ(scene.objects(), 1);
    player->bombReady = true;
    const std::vector<int> draws = drawsAfterSeed(17, 1);
    player->fireBomb();
    player->fireBomb();
    EXPECT_EQ(drawsSince(17), 1);
    ASSERT_EQ(scene.objects(), 2);
    EXPECT_NEAR(shot(1).velocity.angle(), jitterOf(draws[0]), 1e-5);
    EXPECT_FALSE(player->bombReady);
    EXPECT_EQ(shot(1).life, 10);
    EXPECT_EQ(penLook(shot(1).headPen).width, 5);
    EXPECT_NEAR(shot(1).velocity.length(), 20.0f, 1e-4);
}

TEST_F(Armed, FlameFiresAFlameOfLifeEightAtSpeedTenEveryCall) {
    seedRandom(9);
    player->fireFlame();
    // One draw for the jitter, one for the flame's colour.
    EXPECT_EQ(drawsSince(9), 2);
    player->fireFlame();
    ASSERT_EQ(scene.objects(), 3);
    const Flame& flame = *static_cast<const Flame*>(scene.object(1));
    EXPECT_EQ(flame.life, 8);
    EXPECT_EQ(flame.generation, 7);
    EXPECT_NEAR(flame.velocity.length(), 10.0f, 1e-4);
    EXPECT_EQ(flame.position.x, 500.0f);
}

TEST_F(Armed, VolleyStartsSixParallelBoltsOnAnArcWithoutDrawing) {
    player->volleyReady = true;
    seedRandom(12);
    player->fireVolley();
    EXPECT_EQ(drawsSince(12), 0);
    EXPECT_FALSE(player->volleyReady);
    ASSERT_EQ(scene.objects(), 7);
    // Offsets of length 20 at -0.5, -0.3, -0.1, 0.1, 0.3 and 0.5 radians, truncated.
    const int expectedX[] = {517, 519, 519, 519, 519, 517};
    const int expectedY[] = {490, 494, 498, 501, 505, 509};
    const float speeds[] = {20.0f, 15.0f, 10.0f, 10.0f, 15.0f, 20.0f};
    for (int i = 0; i < 6; ++i) {
        const TrailShot& bolt = shot(1 + i);
        EXPECT_EQ(penLook(bolt.headPen).colour, greenHead);
        EXPECT_TRUE(isAt(bolt.position, expectedX[i], expectedY[i], 0)) << i;
        EXPECT_TRUE(isAt(bolt.velocity, speeds[i], 0.0f, 1e-4)) << i;
    }
    player->fireVolley();
    EXPECT_EQ(scene.objects(), 7);
}

TEST_F(Armed, VolleyFollowsTheAim) {
    player->volleyReady = true;
    player->aim.setPolar(2.0f, 50.0f);
    player->fireVolley();
    ASSERT_EQ(scene.objects(), 7);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_NEAR(shot(i).velocity.angle(), 2.0f, 1e-5);
        const Vec2 offset = shot(i).position - player->position;
        EXPECT_NEAR(offset.length(), 20.0f, 1.5f);
    }
}

TEST_F(Armed, AWeaponSelectedAfterAPauseFiresInTheFirstTickOfThePress) {
    for (int tick = 0; tick < 12; ++tick) {
        player->update();
    }
    EXPECT_EQ(scene.objects(), 1);
    scene.world.rightButton = 1;
    player->weaponIndex = 3;
    scene.world.leftButton = 1;
    player->update();
    // The press took the weapon to 4, the volley, whose flag has been up since tick 5.
    EXPECT_EQ(player->weaponIndex, 4u);
    EXPECT_EQ(scene.objects(), 7);
}

} // namespace
