// Backdrop drawing: the view first, then the framed arena over it, so the frame scrolls with
// the arena.
#include "backdrop.h"

#include "area.h"
#include "world.h"

Backdrop::Backdrop(World* owner) : world(owner) {
    life = 1;
}

Backdrop::~Backdrop() = default;

void Backdrop::draw(HDC dc) {
    SelectObject(dc, viewPen);
    SelectObject(dc, viewBrush);
    world->view()->draw(dc);
    SelectObject(dc, framePen);
    SelectObject(dc, arenaBrush);
    world->arena()->draw(dc);
}
