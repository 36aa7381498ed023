// Vec2 arithmetic, polar geometry and drawing primitives.
#include "vec2.h"

#include "text_1251.h"

#include <cmath>

namespace {
// GDI coordinates are limited far below this; anything beyond is off every surface anyway.
constexpr float pixelLimit = 1073741824.0f; // 2^30
} // namespace

int toPixel(float value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= pixelLimit) {
        return static_cast<int>(pixelLimit);
    }
    if (value <= -pixelLimit) {
        return -static_cast<int>(pixelLimit);
    }
    return static_cast<int>(value);
}

void Vec2::set(int ix, int iy) {
    x = static_cast<float>(ix);
    y = static_cast<float>(iy);
}

void Vec2::set(double dx, double dy) {
    x = static_cast<float>(dx);
    y = static_cast<float>(dy);
}

Vec2& Vec2::operator+=(const Vec2& other) {
    x += other.x;
    y += other.y;
    return *this;
}

Vec2& Vec2::operator-=(const Vec2& other) {
    x -= other.x;
    y -= other.y;
    return *this;
}

Vec2 Vec2::operator+(const Vec2& other) const { return Vec2(x + other.x, y + other.y); }

Vec2 Vec2::operator-(const Vec2& other) const { return Vec2(x - other.x, y - other.y); }

Vec2& Vec2::operator/=(float d) {
    if (d == 0.0f) {
        x = 0.0f;
        y = 0.0f;
        return *this;
    }
    const float inverse = 1.0f / d;
    x *= inverse;
    y *= inverse;
    return *this;
}

Vec2 Vec2::operator/(float d) const {
    Vec2 result(*this);
    result /= d;
    return result;
}

float Vec2::length() const { return static_cast<float>(std::sqrt(static_cast<double>(x * x + y * y))); }

float Vec2::distanceTo(const Vec2& other) const { return (*this - other).length(); }

float Vec2::angle() const {
    if (std::fabs(x) <= 0.01 && std::fabs(y) <= 0.01) {
        return 0.0f;
    }
    const float len = length();
    // Rounding can put x / len a hair outside -1..1; acos would then return NaN.
    double cosine = static_cast<double>(x / len);
    if (cosine > 1.0) {
        cosine = 1.0;
    } else if (cosine < -1.0) {
        cosine = -1.0;
    } else if (std::isnan(cosine)) {
        cosine = 1.0;
    }
    const float a = static_cast<float>(std::acos(cosine));
    return y < 0.0f ? -a : a;
}

void Vec2::setPolar(float angleRadians, float len) {
    x = static_cast<float>(std::cos(static_cast<double>(angleRadians)) * len);
    y = static_cast<float>(std::sin(static_cast<double>(angleRadians)) * len);
}

void Vec2::setAngle(float angleRadians) { setPolar(angleRadians, length()); }

bool Vec2::insideSquare(float r) const {
    const float limit = std::fabs(r);
    return std::fabs(x) < limit && std::fabs(y) < limit;
}

void Vec2::drawLine(HDC dc, const Vec2& to) const {
    MoveToEx(dc, toPixel(x), toPixel(y), nullptr);
    LineTo(dc, toPixel(to.x), toPixel(to.y));
}

void Vec2::drawCross(HDC dc, int r) const {
    const int px = toPixel(x);
    const int py = toPixel(y);
    MoveToEx(dc, px - r, py, nullptr);
    LineTo(dc, px + r, py);
    MoveToEx(dc, px, py - r, nullptr);
    LineTo(dc, px, py + r);
}

void Vec2::drawDot(HDC dc) const {
    const int px = toPixel(x);
    const int py = toPixel(y);
    MoveToEx(dc, px - 1, py, nullptr);
    LineTo(dc, px, py);
}

void Vec2::drawEllipse(HDC dc, int rx, int ry) const {
    const int px = toPixel(x);
    const int py = toPixel(y);
    Ellipse(dc, px - rx, py - ry, px + rx, py + ry);
}

void Vec2::drawText(HDC dc, const char* text) const {
    drawText1251(dc, toPixel(x), toPixel(y), text);
}
