// What the variant's world does differently: the star field and the backdrop among the objects
// (so the display counts three), a restart that replaces them, and the picture on the white
// frame: grey outlines, black stars, a grey player ring, dark blue enemies, a white panel and
// the arrow pointer with its corner at the mouse.
#include "world_fixture.h"

#include "enemy.h"
#include "gdi_objects.h"
#include "solid.h"
#include "star_field.h"
#include "test_surface.h"
#include "variant_look.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF grey = RGB(100, 100, 100);

// A client of 1400 x 1060: the arena at (150, 30), the view 1300 wide, the panel at 1300.
constexpr int arenaX = 150;
constexpr int arenaY = 30;

class VariantWorld : public ::testing::Test {
protected:
    StarField& stars() { return *static_cast<StarField*>(built.world().objectList.get(0)); }
    int countIn(int x0, int y0, int w, int h, COLORREF colour) const {
        int found = 0;
        for (int y = y0; y < y0 + h; ++y) {
            for (int x = x0; x < x0 + w; ++x) {
                found += surface.pixel(x, y) == colour ? 1 : 0;
            }
        }
        return found;
    }

    BuiltGame built{1400, 1060, DefWindowProcA, variantLook};
    TestSurface surface{1400, 1060};
};

TEST_F(VariantWorld, TheDisplayCountsThreeObjectsNoSolidOneLastAndTwoAlgorithmsAfterTheBuild) {
    // The display writes these counts (the shooter's display tests show how).
    const World& world = built.world();
    EXPECT_EQ(world.objectList.count(), 3);
    EXPECT_EQ(world.objectList.get(2), world.player());
    EXPECT_EQ(world.solidList.count(), 0);
    EXPECT_EQ(world.lastList.count(), 1);
    EXPECT_EQ(world.algorithmList.count(), 2);
}

TEST_F(VariantWorld, ARestartReplacesTheStarFieldWithOneAtNewPositions) {
    const Vec2 firstStar = stars().stars[0];
    const int entities = liveEntityCount;
    built.game.restart();
    // Star field, backdrop and player again, one display, and nothing more alive than before.
    EXPECT_EQ(built.world().objectList.count(), 3);
    EXPECT_EQ(built.world().lastList.count(), 1);
    EXPECT_EQ(liveEntityCount, entities);
    EXPECT_FALSE(stars().stars[0].x == firstStar.x && stars().stars[0].y == firstStar.y);
}

TEST_F(VariantWorld, TwoHundredGamesInARowLeaveOneSetAndNothingBehind) {
    built.world().leftButton = 1;
    const int entities = liveEntityCount;
    const int solids = liveSolidCount;
    const int gdiObjects = gdiCount::live();
    for (int restart = 0; restart < 200; ++restart) {
        built.runFrame(surface, 3); // enemies, shots and bursts of the game being left
        built.game.restart();
    }
    EXPECT_EQ(built.world().objectList.count(), 3);
    EXPECT_EQ(built.world().lastList.count(), 1);
    EXPECT_EQ(built.world().solidList.count(), 0);
    EXPECT_EQ(built.world().algorithmList.count(), 2);
    EXPECT_EQ(liveEntityCount, entities);
    EXPECT_EQ(liveSolidCount, solids);
    EXPECT_EQ(gdiCount::live(), gdiObjects);
}

TEST_F(VariantWorld, DrawsGreyOutlinesBlackStarsAndDarkBlueEnemiesOnTheWhiteFrame) {
    built.world().solidList.add(new Enemy(&built.world(), 300, 700, 0.0f, 0.0f));
    built.world().mouse = Vec2(700, 900);
    built.game.renderFrame(surface.dc(), 1);
    // Every draw gave back the pen and brush it replaced.
    EXPECT_EQ(GetCurrentObject(surface.dc(), OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(surface.dc(), OBJ_BRUSH), GetStockObject(WHITE_BRUSH));

    // The arena's outline 3 pixels wide on its four edges, and the view's on its left and top.
    EXPECT_EQ(countIn(arenaX - 2, 100, 5, 800, grey), 3 * 800);
    EXPECT_EQ(countIn(arenaX + 998, 100, 5, 800, grey), 3 * 800);
    EXPECT_EQ(countIn(300, arenaY - 2, 700, 5, grey), 3 * 700);
    EXPECT_EQ(countIn(300, arenaY + 998, 700, 5, grey), 3 * 700);
    EXPECT_EQ(countIn(0, 100, 5, 800, grey) + countIn(300, 0, 700, 5, grey), 2 * 800 + 2 * 700);
    // Nothing is filled: left of the arena the view is white, inside it white with black stars.
    EXPECT_EQ(countIn(20, 200, 100, 600, white), 100 * 600);
    const int stars = countIn(200, 100, 900, 300, RGB(0, 0, 0));
    EXPECT_GT(stars, 50);
    EXPECT_EQ(countIn(200, 100, 900, 300, white) + stars, 900 * 300);

    // The player's grey rim around a white disc, the enemy's dark blue decagon (its first corner
    // 20 right of its centre), the panel's black frame around white with the green bar.
    EXPECT_EQ(surface.pixel(arenaX + 510, arenaY + 500), grey);
    EXPECT_EQ(surface.pixel(arenaX + 495, arenaY + 500), white);
    EXPECT_EQ(surface.pixel(arenaX + 320, arenaY + 700), RGB(0, 0, 100));
    EXPECT_EQ(surface.pixel(1300, 500), RGB(0, 0, 0));
    EXPECT_EQ(surface.pixel(1390, 600), white);
    EXPECT_EQ(surface.pixel(1330, 250), RGB(0, 255, 0));
    // The arrow's corner is at the mouse, its red edges run right and down from it.
    EXPECT_EQ(surface.pixel(703, 900), RGB(255, 0, 0));
    EXPECT_EQ(surface.pixel(700, 903), RGB(255, 0, 0));
    releaseDrawingObjects(surface.dc());
}

} // namespace
