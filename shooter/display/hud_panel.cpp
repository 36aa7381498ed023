// Drawing of the panel and the health bar. On a white ground the panel is filled with whatever
// brush the surface holds: no object leaves one of its own selected, so it is the frame's white.
#include "hud_panel.h"

#include "area.h"
#include "area_outline.h"

HudPanel::HudPanel(const ShooterLook& look) {
    if (look.ground == Ground::Dark) {
        panelBrush.emplace(look.panelFill);
    }
}

void HudPanel::draw(HDC dc, const Area& region, int barX, int barY, int health) const {
    const HGDIOBJ previousPen = SelectObject(dc, static_cast<HPEN>(framePen));
    const HGDIOBJ previousBrush = GetCurrentObject(dc, OBJ_BRUSH);
    if (panelBrush) {
        SelectObject(dc, static_cast<HBRUSH>(*panelBrush));
    } else {
        drawOutline(dc, region);
    }
    region.draw(dc);
    const int split = barY + pixelsPerHealth * health;
    SelectObject(dc, static_cast<HBRUSH>(healthBrush));
    Rectangle(dc, barX, barY, barX + barWidth, split);
    SelectObject(dc, static_cast<HBRUSH>(lossBrush));
    Rectangle(dc, barX, split, barX + barWidth, barY + barHeight);
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
}
