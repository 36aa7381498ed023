// Area: a screen rectangle of the shooter (the arena, the view and the panel).
#pragma once

#include "vec2.h"

#include <windows.h>

class Area {
public:
    Area() = default;
    Area(const Vec2& topLeft, int areaWidth, int areaHeight)
        : origin(topLeft), width(areaWidth), height(areaHeight) {}

    // Rectangle over the truncated origin and origin + size, with the DC's pen and brush.
    void draw(HDC dc) const;

    // Top-left corner in frame-surface pixels.
    Vec2 origin;
    int width = 0;
    int height = 0;
};
