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
    if (world->look.ground == Ground::Dark) {
        drawFilled(dc);
    } else {
        drawOutlines(dc);
    }
}

void Backdrop::drawFilled(HDC dc) const {
    const ScopedSelection penChoice(dc, *viewPen);
    const ScopedSelection brushChoice(dc, *viewBrush);
    world->view()->draw(dc);
    SelectObject(dc, edgePen);
    SelectObject(dc, *arenaBrush);
    world->arena()->draw(dc);
}

void Backdrop::drawOutlines(HDC dc) const {
    const ScopedSelection penChoice(dc, edgePen);
    drawOutline(dc, *world->arena());
    drawOutline(dc, *world->view());
    drawOutline(dc, *world->panel());
}
