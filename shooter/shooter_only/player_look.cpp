// Drawing of the player's figure. The sight ring is filled with the body's brush, which stays
// selected.
#include "player_look.h"

void PlayerLook::draw(HDC dc, const Vec2& centre, const Vec2& aim, int radius) const {
    SelectObject(dc, rimPen);
    SelectObject(dc, bodyBrush);
    centre.drawEllipse(dc, radius, radius);
    SelectObject(dc, sightPen);
    const Vec2 sight = centre + aim;
    sight.drawEllipse(dc, radius / 2, radius / 2);
    sight.drawCross(dc, radius);
    centre.drawLine(dc, centre + aim / 3.0f);
}
