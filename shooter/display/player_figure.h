// PlayerFigure: the pens and brush of the player's figure and the drawing of the figure: a disc
// with a rim, filled green on a dark ground and with the surface's own (white) brush on a white
// one, a red sight ring and cross out at the aim point and a short red barrel. The sight ring
// is filled with the same brush as the disc.
#pragma once

#include "gdi_objects.h"
#include "shooter_look.h"
#include "vec2.h"

#include <windows.h>

#include <optional>

class PlayerFigure {
public:
    // Creates the body's brush on a dark ground only.
    explicit PlayerFigure(const ShooterLook& look);

    // centre and aim in frame-surface pixels; radius is the disc's radius. Leaves the pen and
    // the brush the surface held.
    void draw(HDC dc, const Vec2& centre, const Vec2& aim, int radius) const;

    Pen rimPen;
    std::optional<SolidBrush> bodyBrush;
    Pen sightPen;
};
