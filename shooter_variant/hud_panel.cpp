// Drawing of the panel and the health bar. The panel is filled with whatever brush the surface
// holds: nothing in this build leaves one of its own selected, so it is the frame's white one.
#include "hud_panel.h"

#include "area.h"
#include "area_outline.h"

void HudPanel::draw(HDC dc, const Area& region, int barX, int barY, int health) const {
    const HGDIOBJ previousPen = SelectObject(dc, static_cast<HPEN>(framePen));
    drawOutline(dc, region);
    region.draw(dc);
    const int split = barY + pixelsPerHealth * health;
    const HGDIOBJ previousBrush = SelectObject(dc, static_cast<HBRUSH>(healthBrush));
    Rectangle(dc, barX, barY, barX + barWidth, split);
    SelectObject(dc, static_cast<HBRUSH>(lossBrush));
    Rectangle(dc, barX, split, barX + barWidth, barY + barHeight);
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
}
