// HudPanel: the panel's background and the health bar of the heads-up display: a light grey
// panel with a black frame and a bar 40 pixels wide and 200 tall, green above (2 pixels per
// health point) and red below.
#pragma once

#include "gdi_objects.h"

#include <windows.h>

class Area;

class HudPanel {
public:
    static constexpr int barWidth = 40;
    static constexpr int barHeight = 200;
    static constexpr int pixelsPerHealth = 2;

    // barX, barY: the bar's top-left corner on the surface.
    void draw(HDC dc, const Area& region, int barX, int barY, int health) const;

    Pen framePen{PS_SOLID, 1, RGB(0, 0, 0)};
    SolidBrush healthBrush{RGB(0, 255, 0)};
    SolidBrush lossBrush{RGB(255, 0, 0)};
    SolidBrush panelBrush{RGB(200, 200, 200)};
};
