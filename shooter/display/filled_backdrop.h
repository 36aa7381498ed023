// FilledBackdrop: what lies under the world on a filled look: the view painted inside its edge,
// then the arena painted inside its frame, which scrolls with the arena. It sits first in
// backgroundList, so everything else is drawn over it.
#pragma once

#include "gdi_objects.h"
#include "look/shooter_look.h"
#include "world/entity.h"

class World;

class FilledBackdrop : public Entity {
public:
    FilledBackdrop(World* owner, const FilledBackdropLook& look);
    ~FilledBackdrop() override;

    void draw(HDC dc) override;

    World* world;
    Pen viewPen;
    SolidBrush viewBrush;
    Pen framePen;
    SolidBrush arenaBrush;
};
