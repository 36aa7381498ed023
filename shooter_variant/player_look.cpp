// Drawing of the player's figure.
#include "player_look.h"

void PlayerLook::draw(HDC dc, const Vec2& centre, const Vec2& aim, int radius) const {
    const HGDIOBJ previous = SelectObject(dc, static_cast<HPEN>(rimPen));
    centre.drawEllipse(dc, radius, radius);
    SelectObject(dc, static_cast<HPEN>(sightPen));
    const Vec2 sight = centre + aim;
    sight.drawEllipse(dc, radius / 2, radius / 2);
    sight.drawCross(dc, radius);
    centre.drawLine(dc, centre + aim / 3.0f);
    SelectObject(dc, previous);
}
