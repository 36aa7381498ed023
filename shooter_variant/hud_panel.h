// HudPanel: the panel's frame and the health bar of the heads-up display: a black outline and
// frame around the panel, filled with the surface's own (white) brush, and a bar 40 pixels wide
// and 200 tall, green above (2 pixels per health point) and red below.
#pragma once

#include "gdi_objects.h"

#include <windows.h>

class Area;

class HudPanel {
public:
    static constexpr int barWidth = 40;
    static constexpr int barHeight = 200;
    static constexpr int pixelsPerHealth = 2;

    // barX, barY: the bar's top-left corner on the surface. Leaves the pen and the brush the
    // surface held.
    void draw(HDC dc, const Area& region, int barX, int barY, int health) const;

    Pen framePen{PS_SOLID, 1, RGB(0, 0, 0)};
    SolidBrush healthBrush{RGB(0, 255, 0)};
    SolidBrush lossBrush{RGB(255, 0, 0)};
};
