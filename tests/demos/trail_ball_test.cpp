// ball_toss: the trail balls' movement, grabbing, throwing, clamping and trail, and the scene's
// mouse rows.
#include <gtest/gtest.h>

#include "scene_harness.h"

#include "ball_toss/ball_toss_scene.h"
#include "ball_toss/trail_ball.h"
#include "common/firework_burst.h"
#include "gdi_objects.h"

#include <memory>

namespace {
constexpr float friction = 29.0f / 30.0f;

class TrailBallTest : public ::testing::Test {
protected:
    std::unique_ptr<TrailBall> makeBall(float x, float y, Vec2 velocity = Vec2()) {
        auto ball = std::make_unique<TrailBall>(&mouse, &mousePrevious, &button, &bounds);
        ball->position = Vec2(x, y);
        ball->velocity = velocity;
        return ball;
    }
    void moveMouse(int x, int y) {
        mousePrevious = mouse;
        mouse = Vec2(x, y);
    }
    void press(int x, int y) {
        moveMouse(x, y);
        button = TrailBall::buttonPressed;
    }

    Vec2 mouse;
    Vec2 mousePrevious;
    int button = TrailBall::buttonUp;
    RECT bounds{0, 0, clientWidth, clientHeight};
    TestSurface surface{clientWidth, clientHeight};
};

COLORREF grey(int level) {
    return RGB(level, level, level);
}
} // namespace

TEST_F(TrailBallTest, StartsAtARandomPointDrawnYFirst) {
    const std::vector<int> draws = drawsAfterSeed(3, 2);
    TrailBall ball(&mouse, &mousePrevious, &button, &bounds);
    EXPECT_TRUE(isAt(ball.position, 100 + draws[1] % 300, 100 + draws[0] % 300, 0));
    EXPECT_FALSE(ball.isDead());
}

TEST_F(TrailBallTest, DrawsTwentyFiveDiscsFromWhiteToDarkGreyAlongTheFramesPath) {
    auto ball = makeBall(100.0f, 300.0f, Vec2(250.0f, 0.0f));
    ball->step(surface.dc(), 1);

    // Disc k is centred at 110 + 10k; its left part is covered by no later disc.
    for (int k = 0; k < TrailBall::trailLength; ++k) {
        const int centre = 110 + 10 * k;
        EXPECT_EQ(grey(255 - 10 * k), surface.pixel(centre - 15, 300)) << "disc " << k;
    }
    // No outline: the last disc is one grey.
    EXPECT_TRUE(showsPixels(surface, grey(15), {{350, 300}, {350, 285}}));
    EXPECT_EQ(white, surface.pixel(350, 330));
    EXPECT_NEAR(350.0, ball->position.x, 1e-3);
    EXPECT_NEAR(250.0 * friction, ball->velocity.x, 1e-3);
}

TEST_F(TrailBallTest, ThreeTicksMoveThreeTimesAndDrawOnlyTheLast) {
    auto ball = makeBall(100.0f, 300.0f, Vec2(90.0f, 0.0f));
    ball->step(surface.dc(), 3);

    const float secondStep = 90.0f * friction;
    const float thirdStep = secondStep * friction;
    EXPECT_NEAR(100.0f + 90.0f + secondStep + thirdStep, ball->position.x, 1e-3);
    EXPECT_NEAR(thirdStep * friction, ball->velocity.x, 1e-3);
    // The trail covers only the third move, from about 277 to 361.
    for (const int x : {100, 190, 250}) {
        EXPECT_EQ(white, surface.pixel(x, 300)) << x;
    }
    EXPECT_EQ(grey(15), surface.pixel(361, 300));
}

// A press waits until the mouse is over a ball; over two of them the earlier ball takes it.
TEST_F(TrailBallTest, APressWaitsForTheMouseOverABallAndTheEarlierBallTakesIt) {
    auto first = makeBall(200.0f, 200.0f);
    auto second = makeBall(210.0f, 205.0f);
    press(300, 300);
    first->step(surface.dc(), 1);
    EXPECT_FALSE(first->grabbed);
    EXPECT_EQ(TrailBall::buttonPressed, button);

    moveMouse(205, 205);
    first->step(surface.dc(), 1);
    second->step(surface.dc(), 1);
    EXPECT_TRUE(first->grabbed);
    EXPECT_FALSE(second->grabbed);
    EXPECT_EQ(TrailBall::buttonTaken, button);
}

TEST_F(TrailBallTest, HitTestIncludesTheEdgesOfTheBallsSquare) {
    auto ball = makeBall(200.7f, 200.2f);
    mouse = Vec2(220.0f, 180.0f);
    EXPECT_TRUE(ball->hitTest());
    EXPECT_EQ(180, ball->hitBox.left);
    EXPECT_EQ(220, ball->hitBox.bottom);
    mouse = Vec2(220.5f, 200.0f);
    EXPECT_FALSE(ball->hitTest());
}

TEST_F(TrailBallTest, IsThrownWithTheLastMouseMovementAfterBeingHeldStill) {
    auto ball = makeBall(200.0f, 200.0f);
    press(200, 200);
    ball->step(surface.dc(), 1);
    ASSERT_TRUE(ball->grabbed);
    moveMouse(210, 205);
    // The movement's frame, then two held still: the mouse difference stays that of the move.
    for (int frame = 0; frame < 3; ++frame) {
        ball->step(surface.dc(), 1);
    }
    EXPECT_NEAR(220.0, ball->position.x, 1e-3); // drawn one movement ahead of the mouse

    button = TrailBall::buttonUp;
    ball->step(surface.dc(), 1);
    EXPECT_FALSE(ball->grabbed);
    EXPECT_TRUE(isAt(ball->velocity, 10.0 * friction, 5.0 * friction, 1e-4));
    ball->step(surface.dc(), 1);
    EXPECT_TRUE(isAt(ball->position, 220.0 + 10.0 * friction, 210.0 + 5.0 * friction));
}

TEST_F(TrailBallTest, IsClampedAndReflectedAfterTheClientAreaShrinks) {
    auto ball = makeBall(700.0f, 500.0f, Vec2(3.0f, 4.0f));
    bounds = RECT{0, 0, 400, 300};
    ball->step(surface.dc(), 1);
    EXPECT_TRUE(isAt(ball->velocity, -3.0 * friction, -4.0 * friction, 1e-4));
    EXPECT_TRUE(isAt(ball->position, 380.0 - 3.0, 280.0 - 4.0));
}

// Bounced on the truncated position (20.5 is not left of 20, 19.5 is above it); in an area
// narrower than the ball both clamps of an axis apply in order (left then right, bottom then
// top), reflecting twice.
TEST_F(TrailBallTest, BouncesOnItsTruncatedPositionAndClampsBothSidesInOrder) {
    const struct {
        const char* what;
        RECT area;
        Vec2 start, velocity, end, endVelocity;
    } cases[] = {{"truncated", bounds, {20.5f, 19.5f}, {-1, 0}, {20.5f, 20.0f}, {-1, 0}},
                 {"narrow", {0, 0, 30, 30}, {15, 15}, {2, 3}, {10, 20}, {2, 3}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        bounds = c.area;
        auto ball = makeBall(c.start.x, c.start.y, c.velocity);
        ball->keepInside();
        EXPECT_TRUE(isAt(ball->position, c.end.x, c.end.y, 0));
        EXPECT_TRUE(isAt(ball->velocity, c.endVelocity.x, c.endVelocity.y, 0));
    }
}

TEST_F(TrailBallTest, OwnsTwentyFiveBrushesAndAPenUntilDestroyed) {
    const int before = gdiCount::live();
    auto ball = makeBall(200.0f, 200.0f);
    EXPECT_EQ(before + 26, gdiCount::live());
    ball->step(surface.dc(), 1);
    ball.reset();
    EXPECT_EQ(before, gdiCount::live());
}

TEST(BallTossScene, BuildsFiveBallsAndCountsThemWithTheBurstsAlive) {
    SceneHarness<BallTossScene> harness;
    EXPECT_EQ(BallTossScene::ballCount, harness.scene.objectList.count());
    harness.frame(1);
    EXPECT_STREQ("num of object : 5 ", harness.scene.overlayText());

    harness.scene.onRightDown(0, at(100, 120));
    harness.scene.onRightDown(0, at(300, 320));
    harness.frame(1);
    EXPECT_STREQ("num of object : 7 ", harness.scene.overlayText());
}

TEST(BallTossScene, MouseRowsTrackTheMouseAndTheLeftButton) {
    SceneHarness<BallTossScene> harness;
    BallTossScene& scene = harness.scene;

    scene.onMouseMove(0, at(10, 20));
    scene.onLeftDown(0, at(30, 40));
    EXPECT_FLOAT_EQ(10.0f, scene.mousePrevious.x);
    EXPECT_FLOAT_EQ(40.0f, scene.mouse.y);
    EXPECT_EQ(TrailBall::buttonPressed, scene.leftButton);
    scene.onLeftUp(0, at(35, 45));
    EXPECT_EQ(TrailBall::buttonUp, scene.leftButton);
    EXPECT_FLOAT_EQ(30.0f, scene.mouse.x); // a release does not move the mouse

    scene.onRightDown(0, at(250, 260));
    EXPECT_FLOAT_EQ(30.0f, scene.mousePrevious.x);
    const auto* burst = static_cast<const FireworkBurst*>(scene.objectList.get(5));
    ASSERT_NE(nullptr, burst);
    EXPECT_TRUE(isAt(burst->position, 250, 260, 0));
    EXPECT_EQ(100, burst->sparks.count());
}

TEST(BallTossScene, ABallGrabbedInTheSceneFollowsTheMouse) {
    SceneHarness<BallTossScene> harness;
    BallTossScene& scene = harness.scene;
    auto* ball = static_cast<TrailBall*>(scene.objectList.get(0));
    for (int i = 1; i < BallTossScene::ballCount; ++i) {
        static_cast<TrailBall*>(scene.objectList.get(i))->position = Vec2(740.0f, 540.0f);
    }
    const int x = toPixel(ball->position.x);
    const int y = toPixel(ball->position.y);

    scene.onLeftDown(0, at(x, y));
    harness.frame(1);
    ASSERT_TRUE(ball->grabbed);
    scene.onMouseMove(0, at(x + 50, y + 40));
    harness.frame(1);
    // The darkest disc lies one movement ahead of the mouse.
    EXPECT_EQ(grey(15), harness.surface.pixel(x + 100, y + 80));
}
