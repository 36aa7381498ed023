// FireworkSpark: one coloured dot of a firework burst, thrown out at a speed and angle and
// falling under the burst's gravity until its life runs out. Its burst moves and draws it.
#pragma once

#include "gdi_objects.h"
#include "vec2.h"

#include <windows.h>

class FireworkSpark {
public:
    // Starts at (x, y) with the velocity given by speed and angle (radians); the acceleration
    // is copied. The pen is the spark's own and goes with it.
    FireworkSpark(int life, int x, int y, float speed, float angle, const Vec2* acceleration,
                  COLORREF color, int penWidth);
    FireworkSpark(const FireworkSpark&) = delete;
    FireworkSpark& operator=(const FireworkSpark&) = delete;

    // A 3-pixel dot at the truncated position; the DC's previous pen is put back afterwards.
    void draw(HDC target);
    // One tick of flight; false (and no change) once the spark is dead.
    bool update();
    bool isDead() const { return life == 0; }

    Vec2 position;
    // Remaining ticks.
    int life;
    Vec2 acceleration;
    // Pixels per tick.
    Vec2 velocity;
    Pen pen;
};
