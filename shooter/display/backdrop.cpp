// Backdrop drawing: on a dark ground the view first, then the framed arena over it; on a white
// one the outlines of the arena, the view and the panel, in that order.
#include "backdrop.h"

#include "area.h"
#include "area_outline.h"
#include "world.h"

Backdrop::Backdrop(World* owner)
    : world(owner), edgePen(PS_SOLID, owner->look.regionEdge.width, owner->look.regionEdge.colour) {
    life = 1;
    const ShooterLook& look = owner->look;
    if (look.ground == Ground::Dark) {
        viewPen.emplace(PS_SOLID, look.viewEdge.width, look.viewEdge.colour);
        viewBrush.emplace(look.viewFill);
        arenaBrush.emplace(look.arenaFill);
    }
}

Backdrop::~Backdrop() = default;

void Backdrop::draw(HDC dc) {
    const HGDIOBJ previousPen = GetCurrentObject(dc, OBJ_PEN);
    const HGDIOBJ previousBrush = GetCurrentObject(dc, OBJ_BRUSH);
    if (world->look.ground == Ground::Dark) {
        drawFilled(dc);
    } else {
        drawOutlines(dc);
    }
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
}

void Backdrop::drawFilled(HDC dc) const {
    SelectObject(dc, static_cast<HPEN>(*viewPen));
    SelectObject(dc, static_cast<HBRUSH>(*viewBrush));
    world->view()->draw(dc);
    SelectObject(dc, static_cast<HPEN>(edgePen));
    SelectObject(dc, static_cast<HBRUSH>(*arenaBrush));
    world->arena()->draw(dc);
}

void Backdrop::drawOutlines(HDC dc) const {
    SelectObject(dc, static_cast<HPEN>(edgePen));
    drawOutline(dc, *world->arena());
    drawOutline(dc, *world->view());
    drawOutline(dc, *world->panel());
}
