// ball_repel: the repelling balls' start values, push, gravity, clamping and drawing.
#include <gtest/gtest.h>

#include "scene_harness.h"

#include "ball_repel/ball_repel_scene.h"
#include "ball_repel/repel_ball.h"

#include <memory>

namespace {
const Vec2 gravity(0.0f, 1.0f);

class RepelBallTest : public ::testing::Test {
protected:
    std::unique_ptr<RepelBall> makeBall(float x, float y, Vec2 velocity = Vec2()) {
        auto ball = std::make_unique<RepelBall>(velocity, gravity, &mouse, &bounds);
        ball->position = Vec2(x, y);
        return ball;
    }

    Vec2 mouse;
    RECT bounds{0, 0, clientWidth, clientHeight};
    TestSurface surface{clientWidth, clientHeight};
};
} // namespace

// The mouse pushes a ball away from it by 100 over their distance, so a hundred pixels away as
// hard as gravity pulls; not at all when it is exactly on the ball's centre (the state stays
// finite); before it moves it stands at the top-left corner. One step from rest then gives the
// velocity push plus gravity and moves the ball by it.
TEST_F(RepelBallTest, IsPushedAwayFromTheMouseByAHundredOverTheDistance) {
    const struct {
        Vec2 ball, mouse, push;
    } cases[] = {{Vec2(400, 300), Vec2(399, 300), Vec2(100, 0)},
                 {Vec2(400, 300), Vec2(400, 200), Vec2(0, 1)},
                 {Vec2(400, 100), Vec2(400, 200), Vec2(0, -1)},
                 {Vec2(360, 280), Vec2(300, 200), Vec2(0.6f, 0.8f)},
                 {Vec2(250, 250), Vec2(250, 250), Vec2(0, 0)},
                 {Vec2(300, 400), Vec2(0, 0), Vec2(0.12f, 0.16f)}};
    for (const auto& c : cases) {
        auto ball = makeBall(c.ball.x, c.ball.y);
        mouse = c.mouse;
        SCOPED_TRACE(::testing::Message() << c.ball.x << "," << c.ball.y);
        EXPECT_TRUE(isAt(ball->push(), c.push.x, c.push.y, 1e-4));
        ball->step(surface.dc(), 1);
        EXPECT_TRUE(isAt(ball->velocity, c.push.x, c.push.y + 1));
        EXPECT_TRUE(isAt(ball->position, c.ball.x + c.push.x, c.ball.y + c.push.y + 1));
    }
}

TEST_F(RepelBallTest, IsReflectedAndClampedOnItsTruncatedCentre) {
    const struct {
        const char* what;
        Vec2 start, velocity, end, endVelocity;
    } cases[] = {
        {"left of the area", {-5, 300}, {-2, 0}, {0, 300}, {2, 0}},
        {"truncated to (0, 600): inside", {-0.5f, 600.5f}, {-2, 3}, {-0.5f, 600.5f}, {-2, 3}},
        {"right of and below the area", {810, 601}, {4, 12}, {800, 600}, {-4, -12}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto ball = makeBall(c.start.x, c.start.y, c.velocity);
        ball->keepInside();
        EXPECT_TRUE(isAt(ball->position, c.end.x, c.end.y, 0));
        EXPECT_TRUE(isAt(ball->velocity, c.endVelocity.x, c.endVelocity.y, 0));
    }
}

TEST_F(RepelBallTest, FallingFastIsDrawnBeyondTheBottomOnceThenBroughtBack) {
    auto ball = makeBall(400.0f, 595.0f, Vec2(0.0f, 20.0f));
    mouse = Vec2(400.0f, 0.0f);
    ball->step(surface.dc(), 1);
    EXPECT_GT(ball->position.y, 600.0f);
    const float speed = ball->velocity.y;
    // One step per frame whatever the tick count.
    ball->step(surface.dc(), 5);
    EXPECT_LT(ball->velocity.y, 0.0f);
    // Reflected and put on the edge, then moved up by the reflected speed less gravity and
    // less the mouse's push from above (100 / 600).
    EXPECT_NEAR(600.0 - speed + 1.0 + 100.0 / 600.0, ball->position.y, 0.01);
}

TEST_F(RepelBallTest, IsAWhiteDiscWithABlackOutline) {
    auto ball = makeBall(390.0f, 299.0f, Vec2(10.0f, 0.0f));
    mouse = Vec2(0.0f, 0.0f);
    const Vec2 push = ball->push();
    ball->step(surface.dc(), 1);
    const int x = toPixel(ball->position.x);
    const int y = toPixel(ball->position.y);
    ASSERT_EQ(toPixel(400.0f + push.x), x);

    EXPECT_TRUE(showsPixels(surface, RGB(0, 0, 0), {{x - 10, y}, {x, y - 10}}));
    EXPECT_TRUE(showsPixels(surface, white, {{x, y}, {x - 12, y}}));
}

TEST(BallRepelScene, DrawsEachBallsVelocityYThenXThenItsStartPointYThenX) {
    const std::vector<int> draws = drawsAfterSeed(11, 8);
    SceneHarness<BallRepelScene> harness;
    ASSERT_EQ(BallRepelScene::ballCount, harness.scene.objectList.count());

    for (int i = 0; i < 2; ++i) {
        const auto* ball = static_cast<const RepelBall*>(harness.scene.objectList.get(i));
        const int* r = &draws[static_cast<std::size_t>(4 * i)];
        EXPECT_FLOAT_EQ(static_cast<float>(5.0 - (r[0] % 100) * 0.1), ball->velocity.y);
        EXPECT_FLOAT_EQ(static_cast<float>(5.0 - (r[1] % 100) * 0.1), ball->velocity.x);
        EXPECT_TRUE(isAt(ball->position, 100 + r[3] % 300, 100 + r[2] % 300, 0));
        EXPECT_FLOAT_EQ(1.0f, ball->acceleration.y);
    }
}

TEST(BallRepelScene, AlwaysCountsItsTwentyFourBalls) {
    SceneHarness<BallRepelScene> harness;
    for (int frame = 0; frame < 50; ++frame) {
        harness.scene.onMouseMove(0, at(8 * frame, 6 * frame));
        harness.scene.onLeftDown(0, at(8 * frame, 6 * frame));
        harness.scene.onRightDown(0, at(8 * frame, 6 * frame));
        harness.frame(1 + frame % 3);
        ASSERT_STREQ("num of object : 24 ", harness.scene.overlayText());
    }
    EXPECT_FLOAT_EQ(392.0f, harness.scene.mouse.x);
}
