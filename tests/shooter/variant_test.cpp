// What the variant's look changes that the shared tests' tables do not show: the picture on
// the white frame (grey outlines, black stars, a grey player ring, dark blue enemies, a white
// panel, the arrow pointer with its corner at the mouse) and enemies that die without bursts
// while each grey bolt leaves its own.
#include "combat_fixture.h"
#include "world_fixture.h"

#include "combat/bolt.h"
#include "combat/burst.h"
#include "variant_look.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF grey = RGB(100, 100, 100);

// A client of 1400 x 1060: the arena at (150, 30), the view 1300 wide, the panel at 1300.
constexpr int arenaX = 150;
constexpr int arenaY = 30;

TEST(VariantWorld, DrawsGreyOutlinesBlackStarsAndDarkBlueEnemiesOnTheWhiteFrame) {
    BuiltGame built(variantProgram, DefWindowProcA, {1400, 1060});
    TestSurface& surface = built.surface;
    built.world().solidList.add(new Enemy(&built.world(), 300, 700, 0.0f, 0.0f));
    built.world().mouse = Vec2(700, 900);
    built.game.renderFrame(surface.dc(), 1);
    // Every draw gave back the pen and brush it replaced.
    EXPECT_EQ(GetCurrentObject(surface.dc(), OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(surface.dc(), OBJ_BRUSH), GetStockObject(WHITE_BRUSH));

    // The arena's outline 3 pixels wide on its four edges, and the view's on its left and top.
    EXPECT_EQ(surface.count(grey, arenaX - 2, 100, 5, 800), 3 * 800);
    EXPECT_EQ(surface.count(grey, arenaX + 998, 100, 5, 800), 3 * 800);
    EXPECT_EQ(surface.count(grey, 300, arenaY - 2, 700, 5), 3 * 700);
    EXPECT_EQ(surface.count(grey, 300, arenaY + 998, 700, 5), 3 * 700);
    EXPECT_EQ(surface.count(grey, 0, 100, 5, 800) + surface.count(grey, 300, 0, 700, 5),
              2 * 800 + 2 * 700);
    // Nothing is filled: left of the arena the view is white, inside it white with black stars.
    EXPECT_EQ(surface.count(white, 20, 200, 100, 600), 100 * 600);
    const int stars = surface.count(RGB(0, 0, 0), 200, 100, 900, 300);
    EXPECT_GT(stars, 50);
    EXPECT_EQ(surface.count(white, 200, 100, 900, 300) + stars, 900 * 300);

    // The player's grey rim around a white disc, the enemy's dark blue decagon (its first corner
    // 20 right of its centre), the panel's black frame around white with the green bar.
    EXPECT_EQ(surface.pixel(arenaX + 510, arenaY + 500), grey);
    EXPECT_EQ(surface.pixel(arenaX + 495, arenaY + 500), white);
    EXPECT_EQ(surface.pixel(arenaX + 320, arenaY + 700), RGB(0, 0, 100));
    EXPECT_EQ(surface.pixel(1300, 500), RGB(0, 0, 0));
    EXPECT_EQ(surface.pixel(1390, 600), white);
    EXPECT_EQ(surface.pixel(1330, 250), RGB(0, 255, 0));
    // The arrow's corner is at the mouse, its red edges run right and down from it.
    EXPECT_TRUE(showsPixels(surface, RGB(255, 0, 0), {{703, 900}, {700, 903}}));
    selectStockPenAndBrush(surface.dc());
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
        EXPECT_EQ(static_cast<Burst*>(scene.object(1))->sparks.count(), 10);
        scene.world.objectList.clear();
    }
    scene.runTicks(1);
    EXPECT_EQ(scene.world.solidList.count(), 0);
    EXPECT_EQ(scene.objects(), 0);
}

} // namespace
