// The heads-up display: the panel, the health bar split 2 pixels per health point, the
// percentage and the four list counters.
#include "world_fixture.h"

#include "display/hud.h"
#include "test_surface.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr COLORREF green = RGB(0, 255, 0);
constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF grey = RGB(200, 200, 200);

class HudTest : public ::testing::Test {
protected:
    // Draws the heads-up display alone into a surface of the client's size.
    void drawHud() {
        drawSceneFrame(surface.dc(), surface.area(),
                       [&](HDC target) { built.world().lastList.get(0)->draw(target); });
    }
    void removePlayer() {
        built.player().kill();
        built.world().objectList.removeDead();
    }

    // Whether a text written transparently at (x, y) over the panel and bar gives exactly the
    // pixels the display drew in the text's box.
    ::testing::AssertionResult showsText(int x, int y, const char* text, int health) {
        TestSurface expected(surface.width(), surface.height());
        const Hud& hud = *static_cast<const Hud*>(built.world().lastList.get(0));
        hud.panel.draw(expected.dc(), *built.world().panel(), 1010, 100, health);
        selectStockPenAndBrush(expected.dc());
        SetBkMode(expected.dc(), TRANSPARENT);
        TextOutA(expected.dc(), x, y, text, static_cast<int>(std::strlen(text)));
        SIZE box{};
        GetTextExtentPoint32A(expected.dc(), text, static_cast<int>(std::strlen(text)), &box);
        for (int py = y; py < y + box.cy; ++py) {
            // A little beyond the box, so that a longer number would show.
            for (int px = x; px < x + box.cx + 16; ++px) {
                if (surface.pixel(px, py) != expected.pixel(px, py)) {
                    return ::testing::AssertionFailure()
                           << "\"" << text << "\" differs at " << px << "," << py;
                }
            }
        }
        return ::testing::AssertionSuccess();
    }

    // The colours down the bar's middle column, rows first..last.
    void expectColumn(int first, int last, COLORREF color) {
        for (int row = first; row <= last; ++row) {
            EXPECT_EQ(surface.pixel(1030, row), color) << row;
        }
    }

    BuiltGame built;
    TestSurface surface{1100, 1000};
};

TEST_F(HudTest, PaintsThePanelLightGreyWithABlackFrame) {
    drawHud();
    EXPECT_EQ(surface.pixel(1000, 500), black);
    EXPECT_EQ(surface.pixel(1099, 500), black);
    EXPECT_EQ(surface.pixel(1050, 999), black);
    EXPECT_EQ(surface.pixel(1090, 500), grey);
    EXPECT_EQ(surface.pixel(1005, 990), grey);
    // Nothing outside the panel.
    EXPECT_EQ(surface.pixel(999, 500), RGB(255, 255, 255));
}

TEST_F(HudTest, ShowsFullHealthAsAnAllGreenBar) {
    drawHud();
    // Green rectangle rows 100..299 with its black outline; the red one is empty.
    expectColumn(120, 298, green); // below the percentage
    EXPECT_EQ(surface.pixel(1010, 200), black);
    EXPECT_EQ(surface.pixel(1049, 200), black);
    EXPECT_EQ(surface.pixel(1050, 200), grey);
    EXPECT_EQ(surface.pixel(1046, 300), grey);
    EXPECT_TRUE(showsText(1010, 100, "100%", 100));
}

TEST_F(HudTest, SplitsTheBarTwoPixelsPerHealthPoint) {
    built.player().life = 35;
    drawHud();
    // Green from 100 to 170 (70 pixels), red from 170 to 300 (130), each outlined in black.
    EXPECT_EQ(surface.pixel(1046, 100), black);
    expectColumn(120, 168, green); // below the percentage
    EXPECT_EQ(surface.pixel(1046, 169), black);
    EXPECT_EQ(surface.pixel(1046, 170), black);
    expectColumn(171, 298, red);
    EXPECT_EQ(surface.pixel(1046, 299), black);
    EXPECT_EQ(surface.pixel(1046, 300), grey);
    EXPECT_TRUE(showsText(1010, 100, "35%", 35));
}

TEST_F(HudTest, CountsTheListsAfterTheBuild) {
    drawHud();
    EXPECT_TRUE(showsText(1000, 0, "object: 1", 100));
    EXPECT_TRUE(showsText(1000, 20, "solid: 0 ", 100));
    EXPECT_TRUE(showsText(1000, 40, "last: 1 ", 100));
    EXPECT_TRUE(showsText(1000, 60, "algorithm: 2 ", 100));
}

TEST_F(HudTest, CountsOneDisplayAfterRestarts) {
    built.game.restart();
    built.game.restart();
    built.runTicks(3);
    drawHud();
    EXPECT_TRUE(showsText(1000, 40, "last: 1 ", 100));
    EXPECT_TRUE(showsText(1000, 20, "solid: 3 ", 100));
}

TEST_F(HudTest, ShowsAnAllRedBarAndZeroWithoutAPlayer) {
    removePlayer();
    drawHud();
    EXPECT_EQ(surface.pixel(1046, 100), black);
    expectColumn(120, 298, red); // below the percentage
    EXPECT_TRUE(showsText(1010, 100, "0%", 0));
    EXPECT_TRUE(showsText(1000, 0, "object: 0", 0));
}

TEST_F(HudTest, FollowsThePanelOfASmallerWindow) {
    RECT client{0, 0, 800, 600};
    World world{shooterLook};
    world.client = &client;
    world.algorithmList.add(new WorldBuilder(&world));
    drawSceneFrame(surface.dc(), surface.area(),
                   [&](HDC target) { world.lastList.get(0)->draw(target); });
    EXPECT_EQ(surface.pixel(700, 300), black);
    EXPECT_EQ(surface.pixel(750, 400), grey);
    EXPECT_EQ(surface.pixel(730, 150), green);
    EXPECT_EQ(surface.pixel(850, 150), RGB(255, 255, 255));
}

} // namespace
