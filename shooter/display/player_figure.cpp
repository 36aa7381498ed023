// Drawing of the player's figure.
#include "display/player_figure.h"

PlayerFigure::PlayerFigure(const ShooterLook& look)
    : rimPen(PS_SOLID, look.playerRim.width, look.playerRim.colour),
      sightPen(PS_SOLID, look.playerSight.width, look.playerSight.colour) {
    if (look.playerBody) {
        bodyBrush.emplace(*look.playerBody);
    }
}

void PlayerFigure::draw(HDC dc, const Vec2& centre, const Vec2& aim, int radius) const {
    const ScopedSelection penChoice(dc, rimPen);
    const ScopedSelection brushChoice(dc, bodyBrush ? static_cast<HBRUSH>(*bodyBrush) : nullptr);
    centre.drawEllipse(dc, radius, radius);
    SelectObject(dc, sightPen);
    const Vec2 sight = centre + aim;
    sight.drawEllipse(dc, radius / 2, radius / 2);
    sight.drawCross(dc, radius);
    centre.drawLine(dc, centre + aim / 3.0f);
}
