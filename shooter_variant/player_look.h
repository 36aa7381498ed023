// PlayerLook: the pens of the player's figure and the drawing of the figure: a disc with a grey
// rim, a red sight ring and cross out at the aim point and a short red barrel. The disc and the
// ring are filled with the surface's own (white) brush.
#pragma once

#include "gdi_objects.h"
#include "vec2.h"

#include <windows.h>

class PlayerLook {
public:
    // centre and aim in frame-surface pixels; radius is the disc's radius. Leaves the pen the
    // surface held.
    void draw(HDC dc, const Vec2& centre, const Vec2& aim, int radius) const;

    Pen rimPen{PS_SOLID, 3, RGB(100, 100, 100)};
    Pen sightPen{PS_SOLID, 1, RGB(255, 0, 0)};
};
