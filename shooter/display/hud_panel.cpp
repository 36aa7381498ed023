// Drawing of the panel and the health bar. Without a fill of its own the panel is filled with
// whatever brush the surface holds: no object leaves one of its own selected, so it is the
// frame's white.
#include "display/hud_panel.h"

#include "display/area_outline.h"
#include "world/area.h"

HudPanel::HudPanel(const ShooterLook& look) : outlined(look.panelOutlined) {
    if (look.panelFill) {
        panelBrush.emplace(*look.panelFill);
    }
}

void HudPanel::draw(HDC dc, const Area& region, int barX, int barY, int health) const {
    const ScopedSelection penChoice(dc, framePen);
    const ScopedSelection brushChoice(dc, panelBrush ? static_cast<HBRUSH>(*panelBrush) : nullptr);
    if (outlined) {
        drawOutline(dc, region);
    }
    region.draw(dc);
    const int split = barY + pixelsPerHealth * health;
    const ScopedSelection barChoice(dc, healthBrush);
    Rectangle(dc, barX, barY, barX + barWidth, split);
    SelectObject(dc, lossBrush);
    Rectangle(dc, barX, split, barX + barWidth, barY + barHeight);
}
