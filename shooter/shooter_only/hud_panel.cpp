// Drawing of the panel and the health bar.
#include "hud_panel.h"

#include "area.h"

void HudPanel::draw(HDC dc, const Area& region, int barX, int barY, int health) const {
    SelectObject(dc, framePen);
    SelectObject(dc, panelBrush);
    region.draw(dc);
    const int split = barY + pixelsPerHealth * health;
    SelectObject(dc, healthBrush);
    Rectangle(dc, barX, barY, barX + barWidth, split);
    SelectObject(dc, lossBrush);
    Rectangle(dc, barX, split, barX + barWidth, barY + barHeight);
}
