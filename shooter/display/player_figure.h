// PlayerFigure: the pens and brush of the player's figure and the drawing of the figure: a disc
// with a rim, filled with the look's body colour or, without one, with the surface's own brush;
// a sight ring and cross out at the aim point and a short barrel, in the sight's pen. The sight
// ring is filled with the same brush as the disc.
#pragma once

#include "gdi_objects.h"
#include "look/shooter_look.h"
#include "vec2.h"

#include <windows.h>

#include <optional>

class PlayerFigure {
public:
    // Creates the body's brush only when the look fills the body.
    explicit PlayerFigure(const ShooterLook& look);

    // centre and aim in frame-surface pixels; radius is the disc's radius. Leaves the pen and
    // the brush the surface held.
    void draw(HDC dc, const Vec2& centre, const Vec2& aim, int radius) const;

    Pen rimPen;
    std::optional<SolidBrush> bodyBrush;
    Pen sightPen;
};
