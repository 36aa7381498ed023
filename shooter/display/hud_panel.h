// HudPanel: the panel's background and the health bar of the heads-up display: a panel in a
// black frame, filled light grey on a dark ground and left to the surface's own (white) brush on
// a white one, where it is outlined first; and a bar 40 pixels wide and 200 tall, green above
// (2 pixels per health point) and red below.
#pragma once

#include "gdi_objects.h"
#include "shooter_look.h"

#include <windows.h>

#include <optional>

class Area;

class HudPanel {
public:
    static constexpr int barWidth = 40;
    static constexpr int barHeight = 200;
    static constexpr int pixelsPerHealth = 2;

    // Creates the panel's brush on a dark ground only.
    explicit HudPanel(const ShooterLook& look);

    // barX, barY: the bar's top-left corner on the surface. Leaves the pen and the brush the
    // surface held.
    void draw(HDC dc, const Area& region, int barX, int barY, int health) const;

    Pen framePen{PS_SOLID, 1, RGB(0, 0, 0)};
    SolidBrush healthBrush{RGB(0, 255, 0)};
    SolidBrush lossBrush{RGB(255, 0, 0)};
    // A dark ground's only; without it the panel is outlined and left to the surface's brush.
    std::optional<SolidBrush> panelBrush;
};
