// Spark: one streak of an explosion. It flies from the burst's origin, slows by its own drag
// and is spent once it is slow enough; its pen lives as long as it does.
#pragma once

#include "gdi_objects.h"
#include "vec2.h"

#include <windows.h>

class Area;

class Spark {
public:
    Spark(const Area* arenaArea, const Vec2& origin, float speed, float angle, float sparkDrag,
          COLORREF colour, int penWidth);
    Spark(const Spark&) = delete;
    Spark& operator=(const Spark&) = delete;

    // One tick: a spark already slow enough is spent without moving; otherwise it moves by
    // its velocity and loses the drag's share of it.
    void advance();
    // A streak from the spark as long as its current velocity, at the arena's current place.
    void draw(HDC dc);
    bool isDead() const { return alive == 0; }

    // Arena coordinates.
    Vec2 position;
    Vec2 screenPosition;
    // Read for its current origin: sparks stay put in the arena while it scrolls.
    const Area* arena;
    // 1 while alive, 0 when spent.
    int alive = 1;
    Vec2 velocity;
    Pen pen;
    // 2.0 .. 11.9: each tick the spark loses 1/drag of its velocity.
    float drag;
};
