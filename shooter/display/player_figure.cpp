// Drawing of the player's figure.
#include "player_figure.h"

PlayerFigure::PlayerFigure(const ShooterLook& look)
    : rimPen(PS_SOLID, look.playerRim.width, look.playerRim.colour),
      sightPen(PS_SOLID, look.playerSight.width, look.playerSight.colour) {
    if (look.ground == Ground::Dark) {
        bodyBrush.emplace(look.playerBody);
    }
}

void PlayerFigure::draw(HDC dc, const Vec2& centre, const Vec2& aim, int radius) const {
    const HGDIOBJ previousPen = SelectObject(dc, static_cast<HPEN>(rimPen));
    const HGDIOBJ previousBrush = GetCurrentObject(dc, OBJ_BRUSH);
    if (bodyBrush) {
        SelectObject(dc, static_cast<HBRUSH>(*bodyBrush));
    }
    centre.drawEllipse(dc, radius, radius);
    SelectObject(dc, static_cast<HPEN>(sightPen));
    const Vec2 sight = centre + aim;
    sight.drawEllipse(dc, radius / 2, radius / 2);
    sight.drawCross(dc, radius);
    centre.drawLine(dc, centre + aim / 3.0f);
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
}
