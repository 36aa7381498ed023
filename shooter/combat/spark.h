// Spark: one streak of an explosion. It flies from the burst's origin, slows by its own drag
// and is spent once it is slow enough.
//
// A spark keeps the look of its pen and makes the pen only for the moment it draws: flames
// that touch an enemy still in the solid list each repeat its death bursts, so one shot can
// raise thousands of sparks at once, and a pen held for every spark's life could exhaust the
// GDI objects a process may own.
#pragma once

#include "vec2.h"

#include <windows.h>

class Area;

class Spark {
public:
    Spark(const Area* arenaArea, const Vec2& origin, float speed, float angle, float sparkDrag,
          COLORREF sparkColour, int sparkPenWidth);
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
    COLORREF colour;
    int penWidth;
    // 2.0 .. 11.9: each tick the spark loses 1/drag of its velocity.
    float drag;
};
