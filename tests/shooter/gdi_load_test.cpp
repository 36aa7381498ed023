// The number of live pens and brushes while each weapon is held for hundreds of ticks against
// a full arena of enemies, and after the world is gone.
#include "combat_fixture.h"

#include "combat/player.h"
#include "game/world_builder.h"
#include "gdi_objects.h"
#include "world/solid.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Far below the 10,000 GDI objects Windows allows a process.
constexpr int pensAllowed = 2500;

class HeldWeapon : public ::testing::TestWithParam<unsigned int> {};

TEST_P(HeldWeapon, KeepsTheLivePensFarBelowTheProcessLimit) {
    const int liveBefore = gdiCount::live();
    const int entitiesBefore = liveEntityCount;
    const int solidsBefore = liveSolidCount;
    {
        seedRandom(7);
        Stage<> stage(WorldBuilder::fittingClientWidth, WorldBuilder::fittingClientHeight);
        const RECT client = stage.surface.area();
        World world{shooterLook};
        world.client = &client;
        world.algorithmList.add(new WorldBuilder(&world));
        auto frame = [&] { stage.frame([&](HDC target) { world.runFrame(target, 1); }); };
        for (int tick = 0; tick < 50; ++tick) {
            frame();
        }
        ASSERT_EQ(world.solidList.count(), 50);

        gdiCount::resetPeak();
        world.leftButton = 1;
        int mostEnemies = 0;
        for (int tick = 0; tick < 400; ++tick) {
            Entity* player = world.player();
            ASSERT_NE(player, nullptr);
            // The player is kept alive so that it fires all the time, and it aims around.
            player->life = 100;
            static_cast<Player*>(player)->weaponIndex = GetParam();
            const double turn = tick * 0.05;
            world.mouse = Vec2(550.0 + 300.0 * std::cos(turn), 500.0 + 300.0 * std::sin(turn));
            frame();
            if (world.solidList.count() > mostEnemies) {
                mostEnemies = world.solidList.count();
            }
        }
        EXPECT_GE(mostEnemies, 40);
        RecordProperty("peakLiveGdiObjects", gdiCount::peak());
        EXPECT_LT(gdiCount::peak(), pensAllowed);
    }
    EXPECT_EQ(gdiCount::live(), liveBefore);
    EXPECT_EQ(liveEntityCount, entitiesBefore);
    EXPECT_EQ(liveSolidCount, solidsBefore);
}

INSTANTIATE_TEST_SUITE_P(EveryWeapon, HeldWeapon, ::testing::Values(0u, 1u, 2u, 3u, 4u));

// Every flame that reaches an enemy still waiting for removal repeats its three death bursts,
// so enemies walking into a grown flame cloud raise thousands of sparks in a few ticks.
TEST(FlameCloud, RaisingThousandsOfSparksKeepsTheLivePensBounded) {
    const int liveBefore = gdiCount::live();
    {
        seedRandom(3);
        CombatWorld scene;
        Player* player = scene.addObject(new Player(&scene.world, 500, 500));
        scene.world.leftButton = 1;
        player->weaponIndex = 3;
        scene.world.mouse = Vec2(600, 500);
        scene.runTicks(20);
        gdiCount::resetPeak();
        int mostSparks = 0;
        for (int tick = 0; tick < 80; ++tick) {
            if (tick % 8 == 0) {
                scene.addEnemy(540, 500);
                scene.addEnemy(550, 490);
                scene.addEnemy(550, 510);
            }
            player->life = 100;
            scene.runTicks(1);
            // Flames live at most 8 ticks: a larger life is a burst's count of sparks.
            int sparks = 0;
            for (int i = 0; i < scene.objects(); ++i) {
                const Entity* object = scene.object(i);
                if (object != player && object->life > 8) {
                    sparks += object->life;
                }
            }
            mostSparks = sparks > mostSparks ? sparks : mostSparks;
        }
        std::printf("flame cloud: %d sparks or more at once, peak %d live GDI objects\n",
                    mostSparks, gdiCount::peak());
        EXPECT_GT(mostSparks, 1000);
        EXPECT_LT(gdiCount::peak(), 1500);
    }
    EXPECT_EQ(gdiCount::live(), liveBefore);
}

} // namespace
