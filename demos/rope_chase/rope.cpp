// Chasing and drawing of a rope.
#include "rope_chase/rope.h"

#include "gdi_objects.h"

#include <cmath>
#include <cstddef>

namespace {
constexpr float samePointTolerance = 1e-6f;

// Pulls point toward target by the factor's third of their distance: 1 covers a third, 3 or
// more lands on the target.
void pull(Vec2& point, const Vec2& target, int factor) {
    const double stepLength = static_cast<double>(point.distanceTo(target)) * factor / 3.0;
    moveToward(point, target, static_cast<float>(stepLength));
}

void lineTo(HDC target, const Vec2& point) {
    LineTo(target, toPixel(point.x), toPixel(point.y));
}
} // namespace

bool moveToward(Vec2& point, const Vec2& target, float stepLength) {
    if (std::fabs(point.x - target.x) <= samePointTolerance &&
        std::fabs(point.y - target.y) <= samePointTolerance) {
        return false;
    }
    if (point.distanceTo(target) <= stepLength) {
        point = target;
        return true;
    }
    Vec2 stride;
    stride.setPolar((target - point).angle(), stepLength);
    point += stride;
    return true;
}

Rope::Rope(const Vec2* anchorPoint) : anchor(anchorPoint), pen(PS_SOLID, penWidth, color) {}

void Rope::step(HDC target, int elapsedTicks) {
    // Behind by more than one tick, every pass pulls harder and extra passes are made.
    const int factor = elapsedTicks > 1 ? elapsedTicks - 1 : 1;
    for (int tick = 1; tick < elapsedTicks; ++tick) {
        pullAll(factor);
    }
    drawnPass(target, factor);
}

void Rope::pullAll(int factor) {
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        pull(points[i], points[i + 1], factor);
    }
    pull(points.back(), *anchor, factor);
}

void Rope::drawnPass(HDC target, int factor) {
    ScopedSelection penChoice(target, pen);
    // Each link runs from a point's position before the pull to its new position.
    MoveToEx(target, toPixel(points[0].x), toPixel(points[0].y), nullptr);
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        pull(points[i], points[i + 1], factor);
        lineTo(target, points[i]);
    }
    Vec2& head = points.back();
    pull(head, *anchor, factor);
    lineTo(target, head);
    head.drawEllipse(target, headRadius, headRadius);
    head.drawLine(target, *anchor);
}
