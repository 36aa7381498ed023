// The player: movement with the held keys and its limits at the arena's edges, the arena's
// scrolling, weapon change once per press, the cadence flags, contact damage and the figure's
// pixels.
#include "world_fixture.h"

#include "test_surface.h"
#include "world/solid.h"

#include <gtest/gtest.h>

namespace {

class PlayerTest : public ::testing::Test {
protected:
    void hold(int first, int second = 0) {
        built.world().heldKeys[0] = first;
        built.world().heldKeys[1] = second;
    }
    void placeAt(float x, float y) { player().position = Vec2(x, y); }
    Player& player() { return built.player(); }
    float x() { return player().position.x; }
    float y() { return player().position.y; }

    BuiltGame built;
};

TEST_F(PlayerTest, StepsFiveAndScrollsTheArenaThreeTheOtherWay) {
    hold(VK_RIGHT);
    player().update();
    EXPECT_EQ(x(), 505.0f);
    EXPECT_EQ(y(), 500.0f);
    EXPECT_EQ(built.arena().origin.x, -3.0f);
    EXPECT_EQ(built.arena().origin.y, 0.0f);

    hold(VK_DOWN);
    player().update();
    player().update();
    EXPECT_EQ(y(), 510.0f);
    EXPECT_EQ(built.arena().origin.y, -6.0f);

    hold(VK_LEFT);
    player().update();
    EXPECT_EQ(x(), 500.0f);
    EXPECT_EQ(built.arena().origin.x, 0.0f);

    hold(VK_UP);
    player().update();
    EXPECT_EQ(y(), 505.0f);
    EXPECT_EQ(built.arena().origin.y, -3.0f);
}

TEST_F(PlayerTest, StopsTenPixelsFromEveryEdge) {
    struct Case {
        int key;
        float start;
        float after;
    };
    const Case upward[] = {{VK_UP, 15, 10}, {VK_UP, 10, 10}, {VK_UP, 12, 7}};
    for (const Case& c : upward) {
        placeAt(500, c.start);
        hold(c.key);
        player().update();
        EXPECT_EQ(y(), c.after) << c.start;
    }
    const Case downward[] = {{VK_DOWN, 985, 990}, {VK_DOWN, 990, 990}};
    for (const Case& c : downward) {
        placeAt(500, c.start);
        hold(c.key);
        player().update();
        EXPECT_EQ(y(), c.after) << c.start;
    }
    const Case sideways[] = {
        {VK_LEFT, 15, 10}, {VK_LEFT, 10, 10}, {VK_RIGHT, 985, 990}, {VK_RIGHT, 990, 990}};
    for (const Case& c : sideways) {
        placeAt(c.start, 500);
        hold(c.key);
        player().update();
        EXPECT_EQ(x(), c.after) << c.key << " " << c.start;
    }
}

TEST_F(PlayerTest, BlockedStepDoesNotScrollTheArena) {
    placeAt(500, 10);
    hold(VK_UP);
    const Vec2 before = built.arena().origin;
    player().update();
    EXPECT_EQ(built.arena().origin.x, before.x);
    EXPECT_EQ(built.arena().origin.y, before.y);
}

TEST_F(PlayerTest, OppositeKeysCancelUnlessAnEdgeBlocksOne) {
    hold(VK_UP, VK_DOWN);
    player().update();
    EXPECT_EQ(y(), 500.0f);
    EXPECT_EQ(built.arena().origin.y, 0.0f);

    hold(VK_LEFT, VK_RIGHT);
    player().update();
    EXPECT_EQ(x(), 500.0f);

    placeAt(500, 10);
    hold(VK_UP, VK_DOWN);
    player().update();
    EXPECT_EQ(y(), 15.0f);
}

TEST_F(PlayerTest, TwoDirectionsMoveDiagonally) {
    hold(VK_UP, VK_RIGHT);
    player().update();
    player().update();
    EXPECT_EQ(x(), 510.0f);
    EXPECT_EQ(y(), 490.0f);
    EXPECT_EQ(built.arena().origin.x, -6.0f);
    EXPECT_EQ(built.arena().origin.y, 6.0f);
}

TEST_F(PlayerTest, OtherHeldKeysDoNotMove) {
    hold(VK_SHIFT, 'A');
    player().update();
    EXPECT_EQ(x(), 500.0f);
    EXPECT_EQ(y(), 500.0f);
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

TEST_F(PlayerTest, RaisesTheCadenceFlagsEveryFifthAndFortiethTick) {
    for (int tick = 1; tick <= 4; ++tick) {
        player().update();
    }
    EXPECT_FALSE(player().scatterReady);
    EXPECT_FALSE(player().volleyReady);
    player().update();
    EXPECT_TRUE(player().scatterReady);
    EXPECT_TRUE(player().volleyReady);
    EXPECT_FALSE(player().bombReady);
    for (int tick = 6; tick <= 39; ++tick) {
        player().update();
    }
    EXPECT_FALSE(player().bombReady);
    player().update();
    EXPECT_TRUE(player().bombReady);
    EXPECT_EQ(player().frameCounter, 40u);
}

TEST_F(PlayerTest, PacedWeaponFiresOnTheTickAfterItsFlagRises) {
    built.world().leftButton = 1;
    PtrList<Entity>& objects = built.world().objectList;
    for (int tick = 1; tick <= 5; ++tick) {
        player().update();
        EXPECT_EQ(objects.count(), 1) << tick;
    }
    // Raised by the fifth tick after its fire step, taken by the sixth.
    EXPECT_TRUE(player().scatterReady);
    player().update();
    EXPECT_FALSE(player().scatterReady);
    EXPECT_EQ(objects.count(), 5); // the player and four bolts
}

TEST_F(PlayerTest, UnpacedWeaponFiresEveryTick) {
    built.world().leftButton = 1;
    player().weaponIndex = 6; // 6 mod 5 = the stream
    player().update();
    player().update();
    EXPECT_EQ(built.world().objectList.count(), 3);
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

TEST_F(PlayerTest, DrawsTheFigureAimedAtTheMouse) {
    built.arena().origin = Vec2(-300, -400);
    built.world().mouse = Vec2(400, 100); // straight right of the centre on screen (200, 100)
    TestSurface surface(400, 200);
    player().draw(surface.dc());
    selectStockPenAndBrush(surface.dc());

    EXPECT_EQ(player().screenPosition.x, 200.0f);
    EXPECT_EQ(player().screenPosition.y, 100.0f);
    EXPECT_NEAR(player().aim.x, 50.0f, 1e-4);
    EXPECT_NEAR(player().aim.y, 0.0f, 1e-4);

    const COLORREF green = RGB(0, 255, 0);
    const COLORREF orange = RGB(255, 100, 0);
    const COLORREF red = RGB(255, 0, 0);
    EXPECT_EQ(surface.pixel(200, 106), green);
    EXPECT_EQ(surface.pixel(191, 100), orange); // the rim at the left
    EXPECT_EQ(surface.pixel(200, 91), orange);  // and at the top
    EXPECT_EQ(surface.pixel(187, 100), RGB(255, 255, 255));
    // The barrel reaches a third of the way to the sight.
    for (int x = 211; x < 216; ++x) {
        EXPECT_EQ(surface.pixel(x, 100), red) << x;
    }
    EXPECT_NE(surface.pixel(218, 100), red);
    // The sight: a ring of radius 5 around (250, 100) filled green, and a cross of 10.
    EXPECT_EQ(surface.pixel(250, 92), red);
    EXPECT_EQ(surface.pixel(250, 108), red);
    EXPECT_EQ(surface.pixel(241, 100), red);
    EXPECT_EQ(surface.pixel(259, 100), red);
    EXPECT_EQ(surface.pixel(248, 98), green);
    EXPECT_EQ(surface.pixel(261, 100), RGB(255, 255, 255));
}

TEST_F(PlayerTest, AimsRightWhenTheMouseIsOnTheCentre) {
    built.world().mouse = Vec2(500, 500);
    TestSurface surface(16, 16);
    player().draw(surface.dc());
    selectStockPenAndBrush(surface.dc());
    EXPECT_EQ(player().aim.x, 50.0f);
    EXPECT_EQ(player().aim.y, 0.0f);
}

} // namespace
