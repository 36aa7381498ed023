// HudPanel: the panel's background and the health bar of the heads-up display: the panel in a
// frame, outlined first when the look says so, filled with the look's panel fill or left to the
// surface's own brush; and a bar 40 pixels wide and 200 tall, 2 pixels per health point, with the
// health above the loss.
#pragma once

#include "gdi_objects.h"
#include "look/shooter_look.h"

#include <windows.h>

#include <optional>

class Area;

class HudPanel {
public:
    static constexpr int barWidth = 40;
    static constexpr int barHeight = 200;
    static constexpr int pixelsPerHealth = 2;

    // Creates the panel's brush only when the look fills the panel.
    explicit HudPanel(const ShooterLook& look);

    // barX, barY: the bar's top-left corner on the surface. Leaves the pen and the brush the
    // surface held.
    void draw(HDC dc, const Area& region, int barX, int barY, int health) const;

    Pen framePen{PS_SOLID, 1, RGB(0, 0, 0)};
    SolidBrush healthBrush{RGB(0, 255, 0)};
    SolidBrush lossBrush{RGB(255, 0, 0)};
    // Without it the panel is left to the surface's brush.
    std::optional<SolidBrush> panelBrush;
    bool outlined;
};
