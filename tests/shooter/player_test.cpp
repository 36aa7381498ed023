// The player: movement with the held keys and its limits at the arena's edges, the arena's
// scrolling, weapon change once per press, the cadence flags, contact damage and the figure's
// pixels.
#include "combat_fixture.h"
#include "world_fixture.h"

#include "combat/burst.h"
#include "test_surface.h"
#include "world/solid.h"
#include "vec2_checks.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class PlayerTest : public ::testing::Test {
protected:
    void hold(int first, int second = 0) {
        built.world().heldKeys[0] = first;
        built.world().heldKeys[1] = second;
    }
    Player& player() { return built.player(); }
    float x() { return player().position.x; }
    float y() { return player().position.y; }

    BuiltGame built;
};

// One tick with one or two keys held: each arrow steps the figure 5 pixels and scrolls the arena
// 3 the other way; two directions act together and opposite ones cancel; other keys do not
// move. The centre keeps 10 pixels from every edge: a step toward an edge 10 or fewer away is
// not taken, and the arena does not scroll for it.
TEST_F(PlayerTest, StepsFiveScrollsTheArenaThreeAndKeepsTenFromEveryEdge) {
    struct Case {
        int first;
        int second;
        Vec2 start;
        Vec2 after;
        Vec2 arena;
    };
    const Case cases[] = {
        {VK_RIGHT, 0, Vec2(500, 500), Vec2(505, 500), Vec2(-3, 0)},
        {VK_DOWN, 0, Vec2(500, 500), Vec2(500, 505), Vec2(0, -3)},
        {VK_LEFT, 0, Vec2(500, 500), Vec2(495, 500), Vec2(3, 0)},
        {VK_UP, 0, Vec2(500, 500), Vec2(500, 495), Vec2(0, 3)},
        {VK_UP, VK_RIGHT, Vec2(500, 500), Vec2(505, 495), Vec2(-3, 3)},
        {VK_UP, VK_DOWN, Vec2(500, 500), Vec2(500, 500), Vec2(0, 0)},
        {VK_LEFT, VK_RIGHT, Vec2(500, 500), Vec2(500, 500), Vec2(0, 0)},
        {VK_SHIFT, 'A', Vec2(500, 500), Vec2(500, 500), Vec2(0, 0)},
        {VK_UP, 0, Vec2(500, 15), Vec2(500, 10), Vec2(0, 3)},
        {VK_UP, 0, Vec2(500, 10), Vec2(500, 10), Vec2(0, 0)},
        {VK_UP, 0, Vec2(500, 12), Vec2(500, 7), Vec2(0, 3)},
        {VK_UP, VK_DOWN, Vec2(500, 10), Vec2(500, 15), Vec2(0, -3)},
        {VK_DOWN, 0, Vec2(500, 985), Vec2(500, 990), Vec2(0, -3)},
        {VK_DOWN, 0, Vec2(500, 990), Vec2(500, 990), Vec2(0, 0)},
        {VK_LEFT, 0, Vec2(15, 500), Vec2(10, 500), Vec2(3, 0)},
        {VK_LEFT, 0, Vec2(10, 500), Vec2(10, 500), Vec2(0, 0)},
        {VK_RIGHT, 0, Vec2(985, 500), Vec2(990, 500), Vec2(-3, 0)},
        {VK_RIGHT, 0, Vec2(990, 500), Vec2(990, 500), Vec2(0, 0)},
    };
    for (const Case& c : cases) {
        player().position = c.start;
        built.arena().origin = Vec2(0, 0);
        hold(c.first, c.second);
        player().update();
        const int row = static_cast<int>(&c - cases);
        EXPECT_EQ(x(), c.after.x) << "row " << row;
        EXPECT_EQ(y(), c.after.y) << "row " << row;
        EXPECT_TRUE(isAt(built.arena().origin, c.arena.x, c.arena.y, 0)) << "row " << row;
    }
}

TEST_F(PlayerTest, ChangesWeaponOncePerRightButtonPress) {
    built.game.onRightDown(0, MAKELPARAM(10, 10));
    player().update();
    EXPECT_EQ(player().weaponIndex, 1u);
    EXPECT_EQ(built.world().rightButton, 2);
    player().update();
    player().update();
    EXPECT_EQ(player().weaponIndex, 1u);

    built.game.onRightUp(0, MAKELPARAM(10, 10));
    player().update();
    EXPECT_EQ(player().weaponIndex, 1u);
    for (int press = 0; press < 6; ++press) {
        built.game.onRightDown(0, MAKELPARAM(10, 10));
        player().update();
        built.game.onRightUp(0, MAKELPARAM(10, 10));
        player().update();
    }
    EXPECT_EQ(player().weaponIndex, 7u);
}

// With the left button held from the start, each weapon fires on these ticks: the stream and
// the flame on every one; the scatter and the volley on the tick after every 5th, the bomb on
// the tick after every 40th, when their flags have risen (after that tick's fire step). The
// weapon is its index mod 5.
TEST(PlayerFire, EachWeaponFiresAtItsOwnPaceWhileTheButtonIsHeld) {
    struct Case {
        unsigned int weapon;
        int ticks;
        std::vector<int> firing;
    };
    const Case cases[] = {{0, 16, {6, 11, 16}},
                          {6, 3, {1, 2, 3}},
                          {2, 81, {41, 81}},
                          {3, 3, {1, 2, 3}},
                          {4, 16, {6, 11, 16}}};
    for (const Case& c : cases) {
        BuiltGame built;
        built.world().leftButton = 1;
        Player& player = built.player();
        player.weaponIndex = c.weapon;
        std::vector<int> firing;
        for (int tick = 1; tick <= c.ticks; ++tick) {
            const int before = built.world().objectList.count();
            player.update();
            if (built.world().objectList.count() > before) {
                firing.push_back(tick);
            }
        }
        EXPECT_EQ(firing, c.firing) << "weapon " << c.weapon;
    }
}

// A solid that touches every point, counting the questions.
class TouchingEnemy : public Solid {
public:
    TouchingEnemy() {
        life = 5;
        kind = enemyKind;
    }
    bool hitTest(const Vec2&, const Vec2&) override {
        asked += 1;
        return true;
    }
    int asked = 0;
};

TEST_F(PlayerTest, LosesTenHealthPerTouchingEnemyEachTick) {
    auto* first = new TouchingEnemy;
    auto* second = new TouchingEnemy;
    built.world().solidList.add(first).add(second);
    hold(VK_RIGHT);
    player().update();
    EXPECT_EQ(player().life, 80);
    EXPECT_EQ(built.world().objectList.count(), 3); // two contact bursts
    EXPECT_EQ(x(), 505.0f);                         // and it goes on with its tick
    player().update();
    EXPECT_EQ(player().life, 60);
    EXPECT_EQ(first->asked, 2);
    EXPECT_EQ(second->asked, 2);
}

TEST_F(PlayerTest, IgnoresSolidsThatAreNotEnemies) {
    auto* plain = new TouchingEnemy;
    plain->kind = 0;
    built.world().solidList.add(plain);
    player().update();
    EXPECT_EQ(player().life, 100);
    EXPECT_EQ(plain->asked, 0);
}

TEST_F(PlayerTest, DiesAtTheContactThatTakesTheLastHealth) {
    auto* first = new TouchingEnemy;
    auto* second = new TouchingEnemy;
    built.world().solidList.add(first).add(second);
    player().life = 10;
    hold(VK_RIGHT);
    built.world().rightButton = 1;
    player().update();

    EXPECT_EQ(player().life, 0);
    EXPECT_TRUE(player().isDead());
    EXPECT_EQ(second->asked, 0);
    // A contact burst and the death burst; no move, no weapon change, no count.
    EXPECT_EQ(built.world().objectList.count(), 3);
    EXPECT_EQ(x(), 500.0f);
    EXPECT_EQ(player().weaponIndex, 0u);
    EXPECT_EQ(player().frameCounter, 0u);
}

// Each tick of contact leaves a burst of 30 sparks where the player stands and its death one of
// 100 more: red sparks in the shooter, random colours in the variant.
TEST(PlayerDamage, LeavesThirtySparksPerContactAndAHundredAtDeathInTheLooksColours) {
    for (const auto& [program, palette] :
         {std::pair{&shooterProgram, &redBursts}, std::pair{&variantProgram, &randomBursts}}) {
        BuiltGame built(*program);
        built.world().solidList.add(new TouchingEnemy);
        built.player().life = 20;
        built.player().update();
        built.player().update();
        const PtrList<Entity>& objects = built.world().objectList;
        const int sparks[] = {30, 30, 100};
        for (int i = 0; i < 3; ++i) {
            const auto* burst = static_cast<const Burst*>(objects.get(objects.count() - 3 + i));
            EXPECT_EQ(burst->sparks.count(), sparks[i]) << program->name;
            EXPECT_EQ(paletteOf(burst), palette) << program->name;
            EXPECT_EQ(burst->position.x, 500.0f);
        }
    }
}

TEST_F(PlayerTest, DrawsTheFigureAimedAtTheMouse) {
    built.arena().origin = Vec2(-300, -400);
    built.world().mouse = Vec2(400, 100); // straight right of the centre on screen (200, 100)
    TestSurface surface(400, 200);
    player().draw(surface.dc());
    selectStockPenAndBrush(surface.dc());

    EXPECT_TRUE(isAt(player().screenPosition, 200.0f, 100.0f, 0));
    EXPECT_TRUE(isAt(player().aim, 50.0f, 0.0f, 1e-4));

    const COLORREF green = RGB(0, 255, 0);
    const COLORREF orange = RGB(255, 100, 0);
    const COLORREF red = RGB(255, 0, 0);
    // The disc, its rim at the left and at the top, and outside.
    EXPECT_EQ(surface.pixel(200, 106), green);
    EXPECT_TRUE(showsPixels(surface, orange, {{191, 100}, {200, 91}}));
    EXPECT_EQ(surface.pixel(187, 100), RGB(255, 255, 255));
    // The barrel reaches a third of the way to the sight.
    for (int x = 211; x < 216; ++x) {
        EXPECT_EQ(surface.pixel(x, 100), red) << x;
    }
    EXPECT_NE(surface.pixel(218, 100), red);
    // The sight: a ring of radius 5 around (250, 100) filled green, and a cross of 10.
    EXPECT_TRUE(showsPixels(surface, red, {{250, 92}, {250, 108}, {241, 100}, {259, 100}}));
    EXPECT_EQ(surface.pixel(248, 98), green);
    EXPECT_EQ(surface.pixel(261, 100), RGB(255, 255, 255));
}

TEST_F(PlayerTest, AimsRightWhenTheMouseIsOnTheCentre) {
    built.world().mouse = Vec2(500, 500);
    TestSurface surface(16, 16);
    player().draw(surface.dc());
    selectStockPenAndBrush(surface.dc());
    EXPECT_TRUE(isAt(player().aim, 50.0f, 0.0f, 0));
}

} // namespace
