// Drawing of the outlined backdrop: the arena, the view and the panel, in that order.
#include "display/outlined_backdrop.h"

#include "display/area_outline.h"
#include "world/area.h"
#include "world/world.h"

OutlinedBackdrop::OutlinedBackdrop(World* owner, const OutlinedBackdropLook& look)
    : world(owner), edgePen(PS_SOLID, look.edge.width, look.edge.colour) {
    life = 1;
}

OutlinedBackdrop::~OutlinedBackdrop() = default;

void OutlinedBackdrop::draw(HDC dc) {
    const ScopedSelection penChoice(dc, edgePen);
    drawOutline(dc, *world->arena());
    drawOutline(dc, *world->view());
    drawOutline(dc, *world->panel());
}
