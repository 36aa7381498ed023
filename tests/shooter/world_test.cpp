// The world record and its build in both looks: screen regions from the client size, list
// contents after a build and after restarts, input kept through a restart, the scenery's pixels,
// and a torn-down world leaving no entity, solid, pen or brush behind.
#include "combat_fixture.h"
#include "world_fixture.h"

#include "display/filled_backdrop.h"
#include "display/star_field.h"
#include "gdi_objects.h"
#include "sprite.h"
#include "test_surface.h"
#include "variant_look.h"
#include "world/entity.h"
#include "world/solid.h"
#include "vec2_checks.h"

#include <gtest/gtest.h>

namespace {

struct Layout {
    int clientWidth;
    int clientHeight;
    float arenaX;
    float arenaY;
    int viewWidth;
    int panelX;
};

void PrintTo(const Layout& layout, std::ostream* out) {
    *out << layout.clientWidth << "x" << layout.clientHeight;
}

class RegionLayout : public ::testing::TestWithParam<Layout> {};

void expectArea(const Area& area, float x, float y, int width, int height) {
    EXPECT_TRUE(isAt(area.origin, x, y, 0));
    EXPECT_EQ(area.width, width);
    EXPECT_EQ(area.height, height);
}

TEST_P(RegionLayout, FollowsTheClientSize) {
    const Layout expected = GetParam();
    RECT client{0, 0, expected.clientWidth, expected.clientHeight};
    World world{shooterLook};
    world.client = &client;
    world.algorithmList.add(new WorldBuilder(&world));

    ASSERT_EQ(world.areaList.count(), 3);
    const int arena = WorldBuilder::arenaSize;
    expectArea(*world.arena(), expected.arenaX, expected.arenaY, arena, arena);
    expectArea(*world.view(), 0.0f, 0.0f, expected.viewWidth, expected.clientHeight);
    expectArea(*world.panel(), static_cast<float>(expected.panelX), 0.0f, WorldBuilder::panelWidth,
               expected.clientHeight);
}

INSTANTIATE_TEST_SUITE_P(
    ClientSizes, RegionLayout,
    ::testing::Values(Layout{fittingClient.cx, fittingClient.cy, 0, 0, 1000, 1000},
                      Layout{1099, 1000, 0, 0, 999, 999}, Layout{1101, 1000, 0, 0, 1001, 1001},
                      Layout{1097, 1000, -1, 0, 997, 997}, Layout{800, 600, -150, -200, 700, 700},
                      Layout{1300, 1101, 100, 50, 1200, 1200}));

// Where a look's build puts things: the scenery's list (the star field's place in it) and the
// player's place among the objects.
struct Arrangement {
    const ShooterProgram* program;
    int backgroundCount;
    int objectCount;
    int playerIndex;
    bool sceneryAmongObjects;
    int starsIndex;
};

void PrintTo(const Arrangement& arrangement, std::ostream* out) {
    *out << arrangement.program->name;
}

class WorldOfLook : public ::testing::TestWithParam<Arrangement> {
protected:
    void expectFreshWorld() {
        const Arrangement& expected = GetParam();
        World& world = built.world();
        EXPECT_EQ(world.areaList.count(), 3);
        EXPECT_EQ(world.backgroundList.count(), expected.backgroundCount);
        EXPECT_EQ(world.lastList.count(), 1);
        EXPECT_EQ(world.solidList.count(), 0);
        ASSERT_EQ(world.objectList.count(), expected.objectCount);
        EXPECT_EQ(world.spriteList.count(), 1);
        EXPECT_EQ(world.cursorSprite, 0);

        const Entity& player = *world.objectList.get(expected.playerIndex);
        EXPECT_EQ(&player, world.player());
        EXPECT_EQ(player.life, 100);
        EXPECT_TRUE(isAt(player.position, 500.0f, 500.0f, 0));

        const Entity& hud = *world.lastList.get(0);
        EXPECT_TRUE(isAt(hud.position, 10.0f, 100.0f, 0));

        // The spawner with its 100, then the builder, which stays with its 1.
        ASSERT_EQ(world.algorithmList.count(), 2);
        EXPECT_EQ(world.algorithmList.get(0)->life, 100);
        EXPECT_EQ(world.algorithmList.get(1)->life, 1);
    }
    const StarField& stars() {
        World& world = built.world();
        PtrList<Entity>& scenery =
            GetParam().sceneryAmongObjects ? world.objectList : world.backgroundList;
        return *static_cast<const StarField*>(scenery.get(GetParam().starsIndex));
    }

    BuiltGame built{*GetParam().program};
};

INSTANTIATE_TEST_SUITE_P(BothLooks, WorldOfLook,
                         ::testing::Values(Arrangement{&shooterProgram, 2, 1, 0, false, 1},
                                           Arrangement{&variantProgram, 0, 3, 2, true, 0}));

TEST_P(WorldOfLook, BuildFillsTheListsOfANewGame) {
    expectFreshWorld();
    EXPECT_EQ(stars().starCount, 500);
    EXPECT_EQ(built.world().client, &built.game.clientRect);
}

TEST_P(WorldOfLook, RestartLeavesOneFreshSetOfEverythingHoweverOften) {
    built.runTicks(30);
    ASSERT_GT(built.world().solidList.count(), 0);
    built.player().life = 40;
    const Sprite* cursor = built.world().spriteList.get(0);
    const Vec2 firstStar = stars().stars[0];

    for (int restart = 0; restart < 3; ++restart) {
        built.game.restart();
        expectFreshWorld();
        built.runTicks(2);
    }
    built.game.restart();
    expectFreshWorld();
    // The cross-hair is loaded once and survives; the stars are placed anew.
    EXPECT_EQ(built.world().spriteList.get(0), cursor);
    EXPECT_FALSE(stars().stars[0].x == firstStar.x && stars().stars[0].y == firstStar.y);
}

TEST_P(WorldOfLook, TeardownReturnsEveryEntitySolidPenAndBrush) {
    const int entities = liveEntityCount;
    const int solids = liveSolidCount;
    const int gdiObjects = gdiCount::live();
    {
        BuiltGame game(*GetParam().program);
        game.world().leftButton = 1;
        game.runTicks(40);
        game.game.restart();
        game.runTicks(20);
        EXPECT_GT(liveEntityCount, entities);
        EXPECT_GT(gdiCount::live(), gdiObjects);
    }
    EXPECT_EQ(liveEntityCount, entities);
    EXPECT_EQ(liveSolidCount, solids);
    EXPECT_EQ(gdiCount::live(), gdiObjects);
}

TEST_P(WorldOfLook, TwoHundredGamesInARowLeaveOneSetAndNothingBehind) {
    built.world().leftButton = 1;
    const int entities = liveEntityCount;
    const int solids = liveSolidCount;
    const int gdiObjects = gdiCount::live();
    for (int restart = 0; restart < 200; ++restart) {
        built.runTicks(3); // enemies, shots and bursts of the game being left
        built.game.restart();
    }
    expectFreshWorld();
    EXPECT_EQ(liveEntityCount, entities);
    EXPECT_EQ(liveSolidCount, solids);
    EXPECT_EQ(gdiCount::live(), gdiObjects);
}

// The scenery drawn by itself in a world of regions only: the view (0, 0) 1000 x 1000, the
// panel right of it and the arena at (100, 50) or (100, 0).
TEST(FilledBackdrop, PaintsTheViewDarkAndTheArenaBlackInAWhiteFrame) {
    CombatWorld regions(Vec2(100, 50));
    TestSurface& surface = regions.surface;
    {
        FilledBackdrop backdrop(&regions.world, std::get<FilledBackdropLook>(shooterLook.backdrop));
        backdrop.draw(surface.dc());
        selectStockPenAndBrush(surface.dc());
    }
    const COLORREF dark = RGB(20, 20, 20);
    const COLORREF white = RGB(255, 255, 255);
    const COLORREF black = RGB(0, 0, 0);
    EXPECT_TRUE(showsPixels(surface, dark, {{50, 500}, {500, 20}}));
    EXPECT_EQ(surface.pixel(0, 0), black); // the view's one-pixel black outline
    // The 5-pixel frame is centred on the arena's edges: x = 98..102 at the left edge.
    EXPECT_EQ(surface.pixel(97, 500), dark);
    for (int x = 98; x <= 102; ++x) {
        EXPECT_EQ(surface.pixel(x, 500), white) << x;
    }
    EXPECT_TRUE(showsPixels(surface, black, {{103, 500}, {600, 600}}));
    EXPECT_EQ(surface.pixel(600, 50), white);
    // The panel is the heads-up display's: the backdrop only fills the view there.
    EXPECT_EQ(surface.pixel(1050, 20), white);
}

TEST(StarField, PlacesFiveHundredStarsFromTheGenerator) {
    CombatWorld regions;
    seedRandom(7);
    StarField field(&regions.world);
    EXPECT_EQ(field.life, 1);
    ASSERT_EQ(field.starCount, 500);

    seedRandom(7);
    for (int i = 0; i < field.starCount; ++i) {
        const int x = nextRandom() % WorldBuilder::arenaSize;
        const int y = nextRandom() % WorldBuilder::arenaSize;
        EXPECT_TRUE(isAt(field.stars[i], x, y, 0)) << i;
    }
}

TEST(StarField, DrawsEachStarAsOnePixelLeftOfItsPointInTheLooksColour) {
    struct Case {
        const ShooterLook* look;
        COLORREF ground;
        COLORREF star;
    };
    for (const Case& c : {Case{&shooterLook, RGB(0, 0, 0), RGB(255, 255, 255)},
                          Case{&variantLook, RGB(255, 255, 255), RGB(0, 0, 0)}}) {
        CombatWorld regions(Vec2(100, 0), *c.look);
        seedRandom(11);
        StarField field(&regions.world);
        TestSurface& surface = regions.surface;
        surface.fill(c.ground);
        field.draw(surface.dc());
        selectStockPenAndBrush(surface.dc());

        int expectedPixels = 0;
        TestSurface expected(surface.width(), surface.height(), c.ground);
        for (int i = 0; i < field.starCount; ++i) {
            const int x = static_cast<int>(field.stars[i].x) + 100 - 1;
            const int y = static_cast<int>(field.stars[i].y);
            EXPECT_EQ(surface.pixel(x, y), c.star) << i;
            if (expected.pixel(x, y) != c.star) {
                SetPixel(expected.dc(), x, y, c.star);
                expectedPixels += 1;
            }
        }
        EXPECT_EQ(surface.count(c.star), expectedPixels);
    }
}

} // namespace
