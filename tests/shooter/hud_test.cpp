// The heads-up display: the panel, the health bar split 2 pixels per health point, the
// percentage and the four list counters, written exactly so.
#include "world_fixture.h"

#include "drawn_texts.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF green = RGB(0, 255, 0);
constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF grey = RGB(200, 200, 200);

// Draws a game's heads-up display alone on its stage's surface.
void drawHud(BuiltGame& built) {
    built.frame([&](HDC target) { built.world().lastList.get(0)->draw(target); });
}

class HudTest : public ::testing::Test {
protected:
    std::vector<DrawnText> hudTexts() {
        return textsDrawnBy([this](HDC dc) { built.world().lastList.get(0)->draw(dc); });
    }

    BuiltGame built;
    const TestSurface& surface = built.surface;
};

// The panel at the client's right edge, as wide as the builder makes it: light grey in a black
// frame, nothing left of it, and the bar in it.
TEST(HudPanel, IsLightGreyInABlackFrameAtTheClientsRightEdge) {
    for (const SIZE client : {fittingClient, SIZE{800, 600}}) {
        const auto [width, height] = client;
        BuiltGame built(shooterProgram, DefWindowProcA, client);
        const TestSurface& surface = built.surface;
        drawHud(built);
        const int panel = width - WorldBuilder::panelWidth;
        EXPECT_EQ(surface.pixel(panel, 500), black) << width;
        EXPECT_EQ(surface.pixel(width - 1, 500), black) << width;
        EXPECT_EQ(surface.pixel(panel + 50, height - 1), black) << width;
        EXPECT_EQ(surface.pixel(panel + 90, 500), grey) << width;
        EXPECT_EQ(surface.pixel(panel + 5, height - 10), grey) << width;
        EXPECT_EQ(surface.pixel(panel + 30, 150), green) << width;
        EXPECT_EQ(surface.pixel(panel - 1, 500), RGB(255, 255, 255)) << width;
    }
}

// The bar at (1010, 100), 40 x 200: green from its top down 2 pixels per health point, red
// below, each part outlined in black; the percentage written over its top, black; and the
// counters of the world as built, the player gone when there is no health.
struct HealthCase {
    int health;
    const wchar_t* percent;
    const wchar_t* objects;
};

TEST_F(HudTest, SplitsTheBarTwoPixelsPerHealthPointUnderItsPercentage) {
    for (const HealthCase& c :
         {HealthCase{100, L"100%", L"object: 1"}, HealthCase{35, L"35%", L"object: 1"},
          HealthCase{0, L"0%", L"object: 0"}}) {
        SCOPED_TRACE(c.health);
        built.player().life = c.health;
        if (c.health == 0) {
            built.world().objectList.removeDead();
        }
        drawHud(built);
        const int split = 100 + 2 * c.health;
        // Below the percentage, down the bar's middle column.
        for (int row = 120; row < 300; ++row) {
            const bool edge = row == split - 1 || row == split || row == 299;
            const COLORREF expected = edge ? black : row < split ? green : red;
            ASSERT_EQ(surface.pixel(1030, row), expected) << row;
        }
        EXPECT_EQ(surface.pixel(1046, 100), black);
        EXPECT_EQ(surface.pixel(1010, 200), black);
        EXPECT_EQ(surface.pixel(1049, 200), black);
        EXPECT_EQ(surface.pixel(1050, 200), grey);
        EXPECT_EQ(surface.pixel(1046, 300), grey);
        EXPECT_GT(surface.count(black, 1012, 102, 26, 12), 0) << "the percentage is black";
        const std::vector<DrawnText> expected = {{1010, 100, c.percent},
                                                 {1000, 0, c.objects},
                                                 {1000, 20, L"solid: 0 "},
                                                 {1000, 40, L"last: 1 "},
                                                 {1000, 60, L"algorithm: 2 "}};
        EXPECT_EQ(hudTexts(), expected);
    }
}

} // namespace
