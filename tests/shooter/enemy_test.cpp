// Outlines and enemies: the decagon, deep copies, the bounces off the four walls, five hits and
// their bursts, the circle contact test, the count of live solids and the cyan picture.
#include "combat_fixture.h"

#include "combat/bolt.h"
#include "combat/burst.h"
#include "gdi_objects.h"
#include "world/outline.h"
#include "vec2_checks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const COLORREF cyan = RGB(100, 255, 255);

TEST(OutlineShape, IsARegularPolygonFromThePlusXAxisWithItsBoundingRadius) {
    Outline outline;
    outline.buildRegular(20.0f, 10);
    ASSERT_EQ(outline.vertices.count(), 10);
    EXPECT_EQ(outline.vertices.get(0)->x, 20.0f);
    EXPECT_EQ(outline.vertices.get(0)->y, 0.0f);
    EXPECT_NEAR(outline.vertices.get(1)->x, 20.0 * std::cos(0.6283185), 1e-4);
    EXPECT_NEAR(outline.vertices.get(5)->x, -20.0f, 1e-4);
    EXPECT_GE(outline.radius, 20.0f);
    EXPECT_NEAR(outline.radius, 20.0f, 1e-4);
    EXPECT_EQ(outline.centre.x, 0.0f);

    outline.buildRegular(5.0f, 3);
    EXPECT_EQ(outline.vertices.count(), 3);
    EXPECT_NEAR(outline.radius, 5.0f, 1e-5);
}

TEST(OutlineShape, CopiesAreDeepAndReplaceTheOldCorners) {
    Outline original;
    original.buildRegular(20.0f, 10);
    original.position = Vec2(7, 8);
    Outline copy;
    copy.buildRegular(3.0f, 4);
    copy = original;
    ASSERT_EQ(copy.vertices.count(), 10);
    EXPECT_NE(copy.vertices.get(0), original.vertices.get(0));
    EXPECT_EQ(copy.vertices.get(3)->x, original.vertices.get(3)->x);
    EXPECT_EQ(copy.position.x, 7.0f);
    EXPECT_EQ(copy.radius, original.radius);
    copy.vertices.get(0)->x = 99.0f;
    EXPECT_EQ(original.vertices.get(0)->x, 20.0f);

    const Outline constructed(original);
    EXPECT_EQ(constructed.vertices.count(), 10);
    EXPECT_NE(constructed.vertices.get(9), original.vertices.get(9));
}

TEST(EnemyBuild, IsAFiveLifeEnemyWithACyanPenAndAPlacedDecagon) {
    CombatWorld scene;
    Enemy* enemy = scene.addEnemy(300, 400, 0.5f, 4.0f);
    EXPECT_EQ(enemy->life, 5);
    EXPECT_EQ(enemy->kind, enemyKind);
    EXPECT_TRUE(isAt(enemy->outline.position, 300.0f, 400.0f, 0));
    EXPECT_EQ(enemy->screenOutline.vertices.count(), 10);
    EXPECT_EQ(enemy->screenOutline.position.x, 300.0f);
    EXPECT_TRUE(isAt(enemy->velocity, 4.0 * std::cos(0.5), 4.0 * std::sin(0.5), 1e-5));
    EXPECT_EQ(penLook(enemy->pen).width, 2);
    EXPECT_EQ(penLook(enemy->pen).colour, cyan);
}

// One update near each wall: where the truncated centre lies beyond r = 20 from a wall, the
// velocity's component across it changes sign and the centre is put back r from it; then the
// enemy moves by its velocity.
TEST(EnemyBounce, OffEachWallOnItsTruncatedCentre) {
    struct Case {
        Vec2 start;
        float angle;
        float speed;
        bool turnsX;
        bool turnsY;
        Vec2 placed;
    };
    const Case cases[] = {
        {Vec2(21, 500), 3.14159265f, 5, false, false, Vec2(21, 500)},     // left, not yet
        {Vec2(16, 500), 3.14159265f, 5, true, false, Vec2(20, 500)},      // left
        {Vec2(985.7f, 500.0f), 0.3f, 5, true, false, Vec2(980, 500)},     // right, heading out
        {Vec2(985.7f, 500.0f), 2.8f, 5, true, false, Vec2(980, 500)},     // right, heading in
        {Vec2(980.9f, 500.0f), 0, 5, false, false, Vec2(980.9f, 500.0f)}, // truncates to 980
        {Vec2(500, 981), 1.2f, 6, false, true, Vec2(500, 980)},           // bottom
        {Vec2(500, 19), -1.2f, 6, false, true, Vec2(500, 20)},            // top
        {Vec2(10, 990), 2.5f, 3, true, true, Vec2(20, 980)},              // a corner's release
    };
    for (const Case& c : cases) {
        CombatWorld scene;
        Enemy* enemy = scene.addEnemy(0, 0, c.angle, c.speed);
        enemy->outline.position = c.start;
        const Vec2 before = enemy->velocity;
        enemy->update();
        const Vec2 after(c.turnsX ? -before.x : before.x, c.turnsY ? -before.y : before.y);
        EXPECT_TRUE(isAt(enemy->velocity, after.x, after.y, 1e-4)) << c.start.x << "," << c.start.y;
        EXPECT_NEAR(enemy->outline.position.x, c.placed.x + after.x, 1e-3) << c.start.x;
        EXPECT_NEAR(enemy->outline.position.y, c.placed.y + after.y, 1e-3) << c.start.y;
    }
}

TEST(EnemyBounce, KeepsItsSpeedAndStaysNearTheArenaForAnyLength) {
    CombatWorld scene;
    Enemy* enemy = scene.addEnemy(10, 10, -2.0f, 10.9f);
    for (int tick = 0; tick < 5000; ++tick) {
        enemy->update();
        ASSERT_GT(enemy->outline.position.x, 20.0f - 11.0f);
        ASSERT_LT(enemy->outline.position.x, 980.0f + 11.0f);
        ASSERT_GT(enemy->outline.position.y, 20.0f - 11.0f);
        ASSERT_LT(enemy->outline.position.y, 980.0f + 11.0f);
    }
    EXPECT_NEAR(enemy->velocity.length(), 10.9f, 1e-3);
}

TEST(EnemyHits, FourRedBurstsThenRedGreenAndBlueOnTheFifth) {
    CombatWorld scene;
    Enemy* enemy = scene.addEnemy(200, 300);
    for (int hit = 1; hit <= 4; ++hit) {
        enemy->hit();
        EXPECT_EQ(enemy->life, 5 - hit);
        ASSERT_EQ(scene.objects(), hit);
        const Burst* burst = static_cast<const Burst*>(scene.object(hit - 1));
        EXPECT_EQ(burst->sparks.count(), 10);
        EXPECT_EQ(paletteOf(burst), &redBursts);
        EXPECT_EQ(burst->position.x, 200.0f);
    }
    enemy->hit();
    EXPECT_EQ(enemy->life, 0);
    ASSERT_EQ(scene.objects(), 7);
    EXPECT_EQ(paletteOf(scene.object(4)), &redBursts);
    EXPECT_EQ(paletteOf(scene.object(5)), &greenBursts);
    EXPECT_EQ(paletteOf(scene.object(6)), &blueBursts);
    EXPECT_EQ(static_cast<const Burst*>(scene.object(6))->sparks.count(), 10);

    enemy->hit();
    EXPECT_EQ(enemy->life, 0);
    EXPECT_EQ(scene.objects(), 7);
}

TEST(EnemyHits, AKilledEnemyStaysUntilTheNextSolidRemovalPass) {
    CombatWorld scene;
    const int solids = liveSolidCount;
    Enemy* enemy = scene.addEnemy(540, 500);
    enemy->life = 1;
    scene.addObject(new Bolt(&scene.world, 500, 500, 0.0f, 20.0f, greenBoltLook));
    scene.runTicks(1);
    EXPECT_EQ(enemy->life, 0);
    ASSERT_EQ(scene.world.solidList.count(), 1);
    EXPECT_EQ(liveSolidCount, solids + 1);
    scene.runTicks(1);
    EXPECT_EQ(scene.world.solidList.count(), 0);
    EXPECT_EQ(liveSolidCount, solids);
}

TEST(EnemyContact, IsACircleOfTheOutlineRadiusAroundThePosition) {
    CombatWorld scene;
    Enemy* enemy = scene.addEnemy(500, 500);
    const Vec2 anyVelocity(3, 4);
    EXPECT_TRUE(enemy->hitTest(Vec2(520, 500), anyVelocity));
    EXPECT_TRUE(enemy->hitTest(Vec2(512, 516), anyVelocity));
    EXPECT_FALSE(enemy->hitTest(Vec2(520.5f, 500.0f), anyVelocity));
    EXPECT_FALSE(enemy->hitTest(Vec2(500.0f, 479.5f), Vec2()));
    EXPECT_TRUE(enemy->hitTest(Vec2(500, 500), Vec2()));
}

TEST(EnemyPicture, IsACyanDecagonOutlineWithACrossAtItsCentre) {
    CombatWorld scene(Vec2(50, 60));
    Enemy* enemy = scene.addEnemy(100, 100);
    const int pens = gdiCount::live();
    enemy->draw(scene.surface.dc());
    EXPECT_EQ(gdiCount::live(), pens);
    EXPECT_EQ(GetCurrentObject(scene.surface.dc(), OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_TRUE(isAt(enemy->screenOutline.position, 150.0f, 160.0f, 0));
    // The cross at the centre and the corner on the +x axis.
    EXPECT_TRUE(showsPixels(scene.surface, cyan, {{150, 160}, {148, 160}, {150, 158}, {170, 160}}));
    // Edges, not a filled shape: inside between the cross and the rim stays white.
    EXPECT_TRUE(
        showsPixels(scene.surface, RGB(255, 255, 255), {{160, 160}, {150, 170}, {150, 185}}));
    EXPECT_EQ(scene.surface.pixel(150, 179), cyan);
    EXPECT_GT(scene.surface.count(cyan), 200);
}

} // namespace
