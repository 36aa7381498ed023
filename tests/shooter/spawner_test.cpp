// The spawner and the end of a game: releases at the corners and their draws, the hold at as
// many live enemies as are still to come, exactly 99 enemies per game, the win and lose texts
// and their posting once only.
#include "combat_fixture.h"

#include "combat/player.h"
#include "combat/spawner.h"
#include "display/end_message.h"
#include "variant_look.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

class Game : public ::testing::Test {
protected:
    Game()
        : player(scene.addObject(new Player(&scene.world, 500, 500))),
          spawner(new Spawner(&scene.world, 100)) {
        scene.world.algorithmList.add(spawner);
    }

    // A tick of the spawner and the removal of destroyed enemies, as the frame runs them.
    void spawnerTick() {
        spawner->update();
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
    // Pixels a message paints, compared with those of a known one.
    static bool drawsLike(Entity* message, Entity* reference) {
        TestSurface seen(1000, 200);
        TestSurface expected(1000, 200);
        message->draw(seen.dc());
        reference->draw(expected.dc());
        for (int y = 0; y < 200; ++y) {
            for (int x = 0; x < 1000; ++x) {
                if (seen.pixel(x, y) != expected.pixel(x, y)) {
                    return false;
                }
            }
        }
        return true;
    }

    CombatWorld scene;
    Player* player;
    Spawner* spawner;
};

TEST_F(Game, ReleasesFiftyEnemiesInFiftyTicksThenWaitsWhileTheyLive) {
    for (int tick = 1; tick <= 50; ++tick) {
        spawnerTick();
        EXPECT_EQ(enemies(), tick);
    }
    EXPECT_EQ(spawner->life, 50);
    for (int tick = 0; tick < 100; ++tick) {
        spawnerTick();
    }
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
        spawnerTick();
        EXPECT_EQ(drawsSince(seed), 3);
        const Enemy* released = enemy(enemies() - 1);
        EXPECT_EQ(released->outline.position.x, static_cast<float>(corners[corner][0])) << seed;
        EXPECT_EQ(released->outline.position.y, static_cast<float>(corners[corner][1])) << seed;
        EXPECT_NEAR(released->velocity.x, speed * std::cos(direction), 1e-4) << seed;
        EXPECT_NEAR(released->velocity.y, speed * std::sin(direction), 1e-4) << seed;
    }
}

TEST_F(Game, ReleasesNinetyNineEnemiesAndIsWonOnTheSecondUpdateAfterTheLastKill) {
    int released = 0;
    int tick = 0;
    while (spawner->life > 1 && tick < 1000) {
        const int remaining = spawner->life;
        spawnerTick();
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
    scene.world.algorithmList.removeDead();
    scene.world.solidList.removeDead();
    EXPECT_FALSE(spawnerGone());

    spawnerTick();
    EXPECT_TRUE(spawnerGone());
    ASSERT_EQ(scene.objects(), 2);
    WinMessage reference(shooterLook);
    EXPECT_TRUE(drawsLike(scene.object(1), &reference));
    // The player stays, and no enemy comes any more.
    scene.runTicks(20);
    EXPECT_EQ(scene.objects(), 2);
    EXPECT_EQ(enemies(), 0);
    EXPECT_EQ(scene.world.player(), player);
}

TEST_F(Game, IsNeverWonWhileAnEnemyLives) {
    spawner->life = 1;
    scene.addEnemy(500, 200);
    for (int tick = 0; tick < 50; ++tick) {
        spawnerTick();
    }
    EXPECT_FALSE(spawnerGone());
    EXPECT_EQ(scene.objects(), 1);
    EXPECT_EQ(enemies(), 1);
}

TEST_F(Game, IsLostOnceThePlayerIsGoneAndPostsNoSecondText) {
    spawnerTick();
    player->life = 0;
    scene.world.objectList.removeDead();
    spawnerTick();
    EXPECT_TRUE(spawnerGone());
    ASSERT_EQ(scene.objects(), 1);
    LoseMessage reference(shooterLook);
    EXPECT_TRUE(drawsLike(scene.object(0), &reference));
    scene.runTicks(30);
    EXPECT_EQ(scene.objects(), 1);
}

TEST_F(Game, WithNeitherPlayerNorEnemiesLeftIsLost) {
    spawner->life = 1;
    player->life = 0;
    scene.world.objectList.removeDead();
    spawnerTick();
    ASSERT_EQ(scene.objects(), 1);
    LoseMessage lose(shooterLook);
    WinMessage win(shooterLook);
    EXPECT_TRUE(drawsLike(scene.object(0), &lose));
    EXPECT_FALSE(drawsLike(scene.object(0), &win));
}

TEST_F(Game, ReleasesAsManyEnemiesAsKillsMakeRoomFor) {
    for (int tick = 0; tick < 50; ++tick) {
        spawnerTick();
    }
    enemy(0)->life = 0;
    enemy(1)->life = 0;
    enemy(2)->life = 0;
    // The next update still counts the three destroyed enemies; then 47 live enemies against
    // 50 to come allow releases until the live count meets the falling remainder.
    for (const int expected : {47, 48, 49, 49}) {
        spawnerTick();
        EXPECT_EQ(enemies(), expected);
    }
    EXPECT_EQ(spawner->life, 48);
}

TEST(EndTexts, AreTheRussianWindows1251TextsAtOneHundredOneHundred) {
    EXPECT_EQ(std::strlen(winText), 48u);
    EXPECT_EQ(std::strlen(loseText), 49u);
    // "в" is 0xE2 and "ы" 0xFB in Windows-1251.
    EXPECT_EQ(static_cast<unsigned char>(winText[0]), 0xE2);
    EXPECT_EQ(static_cast<unsigned char>(winText[1]), 0xFB);
    EXPECT_EQ(std::strcmp(winText + 11, ", нажмите F2, чтобы начать заново! =)"), 0);

    TestSurface surface(800, 200);
    WinMessage win(shooterLook);
    EXPECT_EQ(win.life, 1);
    win.draw(surface.dc());
    SIZE extent{};
    GetTextExtentPoint32A(surface.dc(), winText, 48, &extent);
    int painted = 0;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 800; ++x) {
            if (surface.pixel(x, y) != RGB(255, 255, 255)) {
                painted += 1;
                EXPECT_GE(x, 100);
                EXPECT_GE(y, 100);
                EXPECT_LT(x, 100 + extent.cx);
                EXPECT_LT(y, 100 + extent.cy);
            }
        }
    }
    EXPECT_GT(painted, 100);
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
        GetTextExtentPoint32A(surface.dc(), loseText, 49, &extent);
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
        EXPECT_EQ(surface.pixel(99, 100), c.ground);
        EXPECT_EQ(surface.pixel(100, 100 + extent.cy), c.ground);
        EXPECT_EQ(GetBkMode(surface.dc()), TRANSPARENT);
    }
}

} // namespace
