// Backdrop drawing: the outlines of the arena, the view and the panel, in that order.
#include "backdrop.h"

#include "area_outline.h"
#include "world.h"

Backdrop::Backdrop(World* owner) : world(owner) {
    life = 1;
}

Backdrop::~Backdrop() = default;

void Backdrop::draw(HDC dc) {
    const HGDIOBJ previous = SelectObject(dc, static_cast<HPEN>(outlinePen));
    drawOutline(dc, *world->arena());
    drawOutline(dc, *world->view());
    drawOutline(dc, *world->panel());
    SelectObject(dc, previous);
}
