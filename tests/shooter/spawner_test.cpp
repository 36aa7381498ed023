// The spawner and the end of a game: releases at the corners and their draws, the hold at as
// many live enemies as are still to come, exactly 99 enemies per game, the win and lose texts
// and their posting once only.
#include "combat_fixture.h"

#include "combat/player.h"
#include "combat/spawner.h"
#include "display/end_message.h"
#include "drawn_texts.h"
#include "variant_look.h"
#include "vec2_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

// The end texts, whole, at (100, 100) of the frame.
const std::vector<DrawnText> won = {
    {100, 100, L"вы выйграли, нажмите F2, чтобы начать заново! =)"}};
const std::vector<DrawnText> lost = {
    {100, 100, L"вы проеграли, нажмите F2, чтобы начать заново! =)"}};

class Game : public ::testing::Test {
protected:
    Game()
        : player(scene.addObject(new Player(&scene.world, 500, 500))),
          spawner(new Spawner(&scene.world, 100)) {
        scene.world.algorithmList.add(spawner);
    }

    // Ticks of the spawner, each followed by the removal of destroyed enemies as the frame runs.
    void spawnerTicks(int ticks = 1) {
        for (int tick = 0; tick < ticks; ++tick) {
            spawner->update();
            removeDestroyed();
        }
    }
    void removeDestroyed() {
        scene.world.algorithmList.removeDead();
        scene.world.solidList.removeDead();
    }
    bool spawnerGone() const { return scene.world.algorithmList.count() == 0; }
    int enemies() const { return scene.world.solidList.count(); }
    Enemy* enemy(int index) const { return static_cast<Enemy*>(scene.world.solidList.get(index)); }
    void destroyEveryEnemy() {
        for (int i = 0; i < enemies(); ++i) {
            enemy(i)->life = 0;
        }
    }

public:
    // What a posted end message writes.
    static std::vector<DrawnText> textsOf(Entity* message) {
        return textsDrawnBy([message](HDC dc) { message->draw(dc); });
    }

    CombatWorld scene;
    Player* player;
    Spawner* spawner;
};

TEST_F(Game, ReleasesFiftyEnemiesInFiftyTicksThenWaitsWhileTheyLive) {
    for (int tick = 1; tick <= 50; ++tick) {
        spawnerTicks();
        EXPECT_EQ(enemies(), tick);
    }
    EXPECT_EQ(spawner->life, 50);
    spawnerTicks(100);
    EXPECT_EQ(enemies(), 50);
    EXPECT_EQ(spawner->enemyCount, 50);
    EXPECT_EQ(scene.objects(), 1);
}

TEST_F(Game, EachReleaseDrawsCornerThenSpeedThenDirection) {
    const int corners[4][2] = {{10, 10}, {10, 990}, {990, 990}, {990, 10}};
    for (unsigned int seed = 1; seed <= 12; ++seed) {
        seedRandom(seed);
        const int corner = nextRandom() % 4;
        const double speed = (nextRandom() % 100) * 0.1 + 1.0;
        const double direction = 5.0 - (nextRandom() % 100) * 0.1;
        seedRandom(seed);
        spawnerTicks();
        EXPECT_EQ(drawsSince(seed), 3);
        const Enemy* released = enemy(enemies() - 1);
        EXPECT_TRUE(isAt(released->outline.position, corners[corner][0], corners[corner][1], 0))
            << seed;
        EXPECT_TRUE(isAt(released->velocity, speed * std::cos(direction),
                         speed * std::sin(direction), 1e-4))
            << seed;
    }
}

TEST_F(Game, ReleasesNinetyNineEnemiesAndIsWonOnTheSecondUpdateAfterTheLastKill) {
    int released = 0;
    int tick = 0;
    while (spawner->life > 1 && tick < 1000) {
        const int remaining = spawner->life;
        spawnerTicks();
        released += remaining - spawner->life;
        destroyEveryEnemy();
        tick += 1;
    }
    EXPECT_EQ(released, 99);
    // The last enemy was destroyed after its release: the next update still counts it.
    EXPECT_EQ(enemies(), 1);
    spawner->update();
    EXPECT_EQ(spawner->enemyCount, 1);
    EXPECT_EQ(scene.objects(), 1);
    removeDestroyed();
    EXPECT_FALSE(spawnerGone());

    spawnerTicks();
    EXPECT_TRUE(spawnerGone());
    ASSERT_EQ(scene.objects(), 2);
    EXPECT_EQ(textsOf(scene.object(1)), won);
    // The player stays, and no enemy comes any more.
    scene.runTicks(20);
    EXPECT_EQ(scene.objects(), 2);
    EXPECT_EQ(enemies(), 0);
    EXPECT_EQ(scene.world.player(), player);
}

TEST_F(Game, IsNeverWonWhileAnEnemyLives) {
    spawner->life = 1;
    scene.addEnemy(500, 200);
    spawnerTicks(50);
    EXPECT_FALSE(spawnerGone());
    EXPECT_EQ(scene.objects(), 1);
    EXPECT_EQ(enemies(), 1);
}

TEST_F(Game, IsLostOnceThePlayerIsGoneAndPostsNoSecondText) {
    spawnerTicks();
    player->life = 0;
    scene.world.objectList.removeDead();
    spawnerTicks();
    EXPECT_TRUE(spawnerGone());
    ASSERT_EQ(scene.objects(), 1);
    EXPECT_EQ(textsOf(scene.object(0)), lost);
    scene.runTicks(30);
    EXPECT_EQ(scene.objects(), 1);
}

TEST_F(Game, WithNeitherPlayerNorEnemiesLeftIsLost) {
    spawner->life = 1;
    player->life = 0;
    scene.world.objectList.removeDead();
    spawnerTicks();
    ASSERT_EQ(scene.objects(), 1);
    EXPECT_EQ(textsOf(scene.object(0)), lost);
}

TEST_F(Game, ReleasesAsManyEnemiesAsKillsMakeRoomFor) {
    spawnerTicks(50);
    enemy(0)->life = 0;
    enemy(1)->life = 0;
    enemy(2)->life = 0;
    // The next update still counts the three destroyed enemies; then 47 live enemies against
    // 50 to come allow releases until the live count meets the falling remainder.
    for (const int expected : {47, 48, 49, 49}) {
        spawnerTicks();
        EXPECT_EQ(enemies(), expected);
    }
    EXPECT_EQ(spawner->life, 48);
}

TEST(EndTexts, AreTheRussianTextsAtOneHundredOneHundred) {
    for (const ShooterLook* look : {&shooterLook, &variantLook}) {
        WinMessage win(*look);
        LoseMessage lose(*look);
        EXPECT_EQ(win.life, 1);
        EXPECT_EQ(Game::textsOf(&win), won);
        EXPECT_EQ(Game::textsOf(&lose), lost);
    }
}

// The end text over a ground, after the heads-up display left the surface transparent: on the
// shooter's black arena it needs a light strip to be read; on the variant's white frame, what
// passes under it (enemies, stars, outlines) stays visible between its letters.
TEST(EndTexts, AreLegibleOnTheLooksGroundAndHideNothingMore) {
    struct Case {
        const ShooterLook* look;
        COLORREF ground;
        bool strip;
    };
    for (const Case& c :
         {Case{&shooterLook, RGB(0, 0, 0), true}, Case{&variantLook, RGB(0, 0, 100), false}}) {
        TestSurface surface(800, 200, c.ground);
        SetBkMode(surface.dc(), TRANSPARENT);
        LoseMessage lose(*c.look);
        lose.draw(surface.dc());
        SIZE extent{};
        GetTextExtentPoint32W(surface.dc(), lost[0].text.c_str(), 49, &extent);
        int light = 0;
        int ground = 0;
        int letters = 0;
        for (int y = 100; y < 100 + extent.cy; ++y) {
            for (int x = 100; x < 100 + extent.cx; ++x) {
                light += surface.pixel(x, y) == RGB(255, 255, 255) ? 1 : 0;
                ground += surface.pixel(x, y) == c.ground ? 1 : 0;
                letters += surface.pixel(x, y) == RGB(0, 0, 0) ? 1 : 0;
            }
        }
        const int box = extent.cx * extent.cy;
        // Black letters on a white strip, or straight on the ground.
        EXPECT_EQ(light > box / 2, c.strip);
        EXPECT_EQ(ground > box / 2, !c.strip);
        EXPECT_GT(letters, 100);
        // Outside the text's box the ground is untouched.
        EXPECT_TRUE(showsPixels(surface, c.ground, {{99, 100}, {100, 100 + extent.cy}}));
        EXPECT_EQ(GetBkMode(surface.dc()), TRANSPARENT);
    }
}

} // namespace
