// Drawing of the filled backdrop: the view first, then the framed arena over it.
#include "display/filled_backdrop.h"

#include "world/area.h"
#include "world/world.h"

FilledBackdrop::FilledBackdrop(World* owner, const FilledBackdropLook& look)
    : world(owner), viewPen(PS_SOLID, look.viewEdge.width, look.viewEdge.colour),
      viewBrush(look.viewFill), framePen(PS_SOLID, look.arenaFrame.width, look.arenaFrame.colour),
      arenaBrush(look.arenaFill) {
    life = 1;
}

FilledBackdrop::~FilledBackdrop() = default;

void FilledBackdrop::draw(HDC dc) {
    const ScopedSelection penChoice(dc, viewPen);
    const ScopedSelection brushChoice(dc, viewBrush);
    world->view()->draw(dc);
    SelectObject(dc, framePen);
    SelectObject(dc, arenaBrush);
    world->arena()->draw(dc);
}
