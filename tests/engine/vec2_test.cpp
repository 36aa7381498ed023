// Vec2: arithmetic, polar geometry, pixel conversion and the drawing primitives, the latter
// checked by the pixels they set on a real memory surface.
#include <gtest/gtest.h>

#include "gdi_objects.h"
#include "test_surface.h"
#include "vec2.h"
#include "vec2_checks.h"

#include <limits>
#include <tuple>
#include <utility>

namespace {
const float pi = 3.14159265f;
const COLORREF white = RGB(255, 255, 255);
const COLORREF black = RGB(0, 0, 0);
} // namespace

TEST(Vec2Arithmetic, AddsSubtractsAndConverts) {
    Vec2 a(1.5f, -2.0f);
    const Vec2 b(0.5, 4.0); // doubles rounded to float
    const Vec2 sum = a + b;
    const Vec2 difference = a - b;
    EXPECT_TRUE(isAt(sum, 2.0f, 2.0f, 0));
    EXPECT_TRUE(isAt(difference, 1.0f, -6.0f, 0));
    (a += b) += b; // the compound operators return the vector itself
    EXPECT_TRUE(isAt(a, 2.5f, 6.0f, 0));
    (a -= b) -= Vec2(3, -7);
    EXPECT_TRUE(isAt(a, -1.0f, 9.0f, 0));
    a.set(0.1, 2.5);
    EXPECT_EQ(0.1f, a.x);
    a.set(-4, 9);
    EXPECT_TRUE(isAt(a, -4.0f, 9.0f, 0));
}

TEST(Vec2Arithmetic, DivisionByZeroGivesTheZeroVector) {
    const Vec2 q = Vec2(3.0f, 4.0f) / 0.0f;
    EXPECT_TRUE(isAt(q, 0.0f, 0.0f, 0));
    Vec2 w(3.0f, 4.0f);
    w /= -0.0f;
    EXPECT_TRUE(isAt(w, 0.0f, 0.0f, 0));

    Vec2 v(3.0f, 4.0f);
    v /= 0.5f;
    EXPECT_FLOAT_EQ(6.0f, v.x);
    EXPECT_FLOAT_EQ(8.0f, v.y);
    const Vec2 half = Vec2(3.0f, -4.0f) / 2.0f;
    EXPECT_FLOAT_EQ(1.5f, half.x);
    EXPECT_FLOAT_EQ(-2.0f, half.y);
}

TEST(Vec2Geometry, LengthAndDistance) {
    EXPECT_FLOAT_EQ(5.0f, Vec2(3.0f, 4.0f).length());
    EXPECT_FLOAT_EQ(0.0f, Vec2().length());
    EXPECT_FLOAT_EQ(13.0f, Vec2(1.0f, 1.0f).distanceTo(Vec2(-4.0f, -11.0f)));
}

// Inside the dead zone the angle is 0; just outside on one axis the direction counts; y = 0 is
// not negated.
TEST(Vec2Geometry, AngleIsZeroInsideTheDeadZoneAndCoversAllQuadrantsOutside) {
    const std::pair<Vec2, float> cases[] = {{Vec2(0.005f, -0.009f), 0.0f},
                                            {Vec2(-0.0099f, 0.0099f), 0.0f},
                                            {Vec2(), 0.0f},
                                            {Vec2(-0.0101f, 0.0f), pi},
                                            {Vec2(0.0f, -0.0101f), -pi / 2},
                                            {Vec2(1, 0), 0.0f},
                                            {Vec2(0, -1), -pi / 2},
                                            {Vec2(0, 1), pi / 2},
                                            {Vec2(-1, 0), pi},
                                            {Vec2(-2, -2), -3 * pi / 4}};
    for (const auto& [v, angle] : cases) {
        EXPECT_NEAR(angle, v.angle(), 1e-5f) << v.x << ", " << v.y;
    }
}

TEST(Vec2Geometry, SetPolarAndAngleAreInverse) {
    const Vec2 samples[] = {Vec2(3.0f, 4.0f), Vec2(-120.5f, 7.25f), Vec2(-0.3f, -0.8f),
                            Vec2(1e-1f, -900.0f), Vec2(250.0f, 0.0f)};
    for (const Vec2& original : samples) {
        Vec2 rebuilt;
        rebuilt.setPolar(original.angle(), original.length());
        EXPECT_TRUE(isAt(original, rebuilt.x, rebuilt.y, 1e-4f * (1.0f + original.length())));
    }
}

TEST(Vec2Geometry, SetAngleKeepsTheLength) {
    Vec2 v(3.0f, 4.0f);
    v.setAngle(pi);
    EXPECT_TRUE(isAt(v, -5.0f, 0.0f, 1e-5f));

    Vec2 zero;
    zero.setAngle(2.0f);
    EXPECT_TRUE(isAt(zero, 0.0f, 0.0f, 0));
}

TEST(Vec2Geometry, InsideSquareIsStrictAndUsesTheMagnitudeOfR) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::tuple<Vec2, float, bool> cases[] = {
        {Vec2(2.9f, -2.9f), 3.0f, true}, {Vec2(3, 0), 3.0f, false}, {Vec2(0, -3), 3.0f, false},
        {Vec2(1, 1), -2.0f, true},       {Vec2(), 0.0f, false},     {Vec2(nan, 0.0f), 3.0f, false},
        {Vec2(0.0f, nan), 3.0f, false},  {Vec2(), nan, false}};
    for (const auto& [v, r, inside] : cases) {
        EXPECT_EQ(inside, v.insideSquare(r)) << v.x << ", " << v.y << " in " << r;
    }
}

// 16777216 is still exact, well inside the limit.
TEST(Vec2ToPixel, TruncatesTowardZeroAndPinsNonFiniteAndHugeValues) {
    const int limit = 1 << 30;
    const float infinity = std::numeric_limits<float>::infinity();
    const std::pair<float, int> cases[] = {{10.7f, 10},
                                           {0.99f, 0},
                                           {-0.5f, 0},
                                           {-1.7f, -1},
                                           {-1000.0f, -1000},
                                           {infinity, limit},
                                           {1e20f, limit},
                                           {-infinity, -limit},
                                           {-1e20f, -limit},
                                           {16777216.0f, 16777216},
                                           {std::numeric_limits<float>::quiet_NaN(), 0}};
    for (const auto& [value, pixel] : cases) {
        EXPECT_EQ(pixel, toPixel(value)) << value;
    }
}

// Drawing primitives: a white surface, the stock black pen unless a test selects another.

TEST(Vec2Drawing, CrossTruncatesItsCentreAndLeavesOutTheEndPixels) {
    TestSurface surface(32, 32);
    Vec2(10.7f, 20.2f).drawCross(surface.dc(), 3);
    for (int x = 0; x < 32; ++x) {
        EXPECT_EQ(x >= 7 && x <= 12 ? black : white, surface.pixel(x, 20)) << "x=" << x;
    }
    for (int y = 0; y < 32; ++y) {
        EXPECT_EQ(y >= 17 && y <= 22 ? black : white, surface.pixel(10, y)) << "y=" << y;
    }
    EXPECT_EQ(11, surface.count(black));
}

TEST(Vec2Drawing, DotIsTheOnePixelLeftOfTheTruncatedPoint) {
    TestSurface surface(16, 16);
    // Shift the origin so that logical x = -1 lands on device column 5.
    SetViewportOrgEx(surface.dc(), 6, 0, nullptr);
    Vec2(-0.5f, 4.0f).drawDot(surface.dc()); // truncates to (0, 4): pixel (-1, 4)
    EXPECT_EQ(black, surface.pixel(5, 4));
    EXPECT_EQ(1, surface.count(black));

    surface.fill(white);
    Vec2(2.9f, 7.9f).drawDot(surface.dc()); // (2, 7): pixel (1, 7)
    EXPECT_EQ(black, surface.pixel(7, 7));
    EXPECT_EQ(1, surface.count(black));
}

TEST(Vec2Drawing, LineLeavesOutItsEndPixel) {
    TestSurface surface(16, 16);
    Vec2(2.0f, 5.0f).drawLine(surface.dc(), Vec2(8.0f, 5.0f));
    for (int x = 0; x < 16; ++x) {
        EXPECT_EQ(x >= 2 && x <= 7 ? black : white, surface.pixel(x, 5)) << "x=" << x;
    }
    EXPECT_EQ(6, surface.count(black));
}

TEST(Vec2Drawing, EllipseUsesTheSelectedPenAndBrush) {
    TestSurface surface(40, 40);
    const COLORREF red = RGB(255, 0, 0);
    const COLORREF blue = RGB(0, 0, 255);
    Pen pen(PS_SOLID, 1, red);
    SolidBrush brush(blue);
    HGDIOBJ oldPen = SelectObject(surface.dc(), pen);
    HGDIOBJ oldBrush = SelectObject(surface.dc(), brush);

    Vec2(20.5f, 20.0f).drawEllipse(surface.dc(), 10, 6); // bounding box (10, 14)-(30, 26)
    // (11, 15) is a corner of the box, outside the curve.
    EXPECT_EQ(blue, surface.pixel(20, 20));
    EXPECT_TRUE(showsPixels(surface, red, {{10, 20}, {20, 14}}));
    EXPECT_TRUE(showsPixels(surface, white, {{9, 20}, {20, 13}, {30, 20}, {20, 26}, {11, 15}}));
    EXPECT_EQ(HGDIOBJ(pen), GetCurrentObject(surface.dc(), OBJ_PEN));
    EXPECT_EQ(HGDIOBJ(brush), GetCurrentObject(surface.dc(), OBJ_BRUSH));

    SelectObject(surface.dc(), oldBrush);
    SelectObject(surface.dc(), oldPen);
}

TEST(Vec2Drawing, TextWritesTheWholeStringAtTheTruncatedPoint) {
    TestSurface surface(64, 32);
    TestSurface reference(64, 32);
    Vec2(10.9f, 6.2f).drawText(surface.dc(), "WM");
    TextOutA(reference.dc(), 10, 6, "WM", 2);
    int dark = 0;
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            const COLORREF c = surface.pixel(x, y);
            ASSERT_EQ(reference.pixel(x, y), c) << "at (" << x << ", " << y << ")";
            dark += GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128 ? 1 : 0;
        }
    }
    EXPECT_GT(dark, 10);
}
