// Points as the tests compare them: both coordinates at once, within a tolerance (0: exactly),
// with a failure that shows where the point is.
#pragma once

#include "vec2.h"

#include <gtest/gtest.h>

#include <cmath>

inline ::testing::AssertionResult isAt(const Vec2& point, double x, double y,
                                       double tolerance = 1e-3) {
    if (std::fabs(point.x - x) <= tolerance && std::fabs(point.y - y) <= tolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "(" << point.x << ", " << point.y << ") is not at (" << x << ", " << y << ")";
}
