// The number of live pens and brushes while each weapon is held for hundreds of ticks against
// a full arena of enemies, and after the world is gone.
#include "combat_fixture.h"

#include "gdi_objects.h"
#include "player.h"
#include "solid.h"
#include "world_builder.h"

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
        RECT client{0, 0, 1100, 1000};
        TestSurface surface(1100, 1000);
        World world;
        world.client = &client;
        world.algorithmList.add(new WorldBuilder(&world));
        auto frame = [&world, &surface] {
            world.runFrame(surface.dc(), 1);
            SelectObject(surface.dc(), GetStockObject(BLACK_PEN));
            SelectObject(surface.dc(), GetStockObject(WHITE_BRUSH));
        };
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
        std::printf("weapon %u: peak %d live GDI objects\n", GetParam(), gdiCount::peak());
        EXPECT_LT(gdiCount::peak(), pensAllowed);
    }
    EXPECT_EQ(gdiCount::live(), liveBefore);
    EXPECT_EQ(liveEntityCount, entitiesBefore);
    EXPECT_EQ(liveSolidCount, solidsBefore);
}

INSTANTIATE_TEST_SUITE_P(EveryWeapon, HeldWeapon, ::testing::Values(0u, 1u, 2u, 3u, 4u));

} // namespace
