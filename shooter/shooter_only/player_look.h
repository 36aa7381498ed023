// PlayerLook: the pens and brush of the player's figure and the drawing of the figure: a
// green disc with an orange rim, a red sight ring and cross out at the aim point and a short
// red barrel.
#pragma once

#include "gdi_objects.h"
#include "vec2.h"

#include <windows.h>

class PlayerLook {
public:
    // centre and aim in frame-surface pixels; radius is the disc's radius.
    void draw(HDC dc, const Vec2& centre, const Vec2& aim, int radius) const;

    Pen rimPen{PS_SOLID, 3, RGB(255, 100, 0)};
    SolidBrush bodyBrush{RGB(0, 255, 0)};
    Pen sightPen{PS_SOLID, 1, RGB(255, 0, 0)};
};
