// Vec2: the two-float value type of every position, velocity and direction, with the
// polar operations and the drawing primitives that place GDI calls at a Vec2.
#pragma once

#include <windows.h>

// Converts a float coordinate to a pixel by truncation toward zero. Non-finite values and
// values far outside any surface are pinned (NaN to 0) so that the conversion is always defined;
// every coordinate a surface can show converts exactly as a plain cast would.
int toPixel(float value);

// Angles of half and of one full turn, in radians.
constexpr double halfTurn = 3.141592653589793;
constexpr double fullTurn = 6.283185307179586;

class Vec2 {
public:
    float x;
    float y;

    Vec2() : x(0.0f), y(0.0f) {}
    Vec2(int ix, int iy) : x(static_cast<float>(ix)), y(static_cast<float>(iy)) {}
    Vec2(float fx, float fy) : x(fx), y(fy) {}
    Vec2(double dx, double dy) : x(static_cast<float>(dx)), y(static_cast<float>(dy)) {}

    void set(int ix, int iy);
    void set(double dx, double dy);

    Vec2& operator+=(const Vec2& other);
    Vec2& operator-=(const Vec2& other);
    Vec2 operator+(const Vec2& other) const;
    Vec2 operator-(const Vec2& other) const;
    // Division by exactly zero gives the zero vector instead of infinities.
    Vec2& operator/=(float d);
    Vec2 operator/(float d) const;

    float length() const;
    float distanceTo(const Vec2& other) const;
    // Direction in radians, -pi..pi; 0 for a vector within 0.01 of the origin on both axes.
    float angle() const;
    void setPolar(float angleRadians, float len);
    void setAngle(float angleRadians);
    // Strictly inside the axis-aligned square of half-size |r| around the origin.
    bool insideSquare(float r) const;

    // Drawing at this point with whatever pen, brush and text settings the DC holds.
    void drawLine(HDC dc, const Vec2& to) const;
    void drawCross(HDC dc, int r) const;
    void drawDot(HDC dc) const;
    void drawEllipse(HDC dc, int rx, int ry) const;
    // The text is Windows-1251, as are all the programs' texts.
    void drawText(HDC dc, const char* text) const;
};
