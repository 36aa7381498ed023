// OutlinedBackdrop: the world's regions on a look that fills nothing: the arena, the view and the
// panel outlined with one pen on the frame's white; the arena's outline scrolls with the arena.
// It sits in objectList after the star field, so it is drawn over the enemies and the stars.
#pragma once

#include "gdi_objects.h"
#include "look/shooter_look.h"
#include "world/entity.h"

class World;

class OutlinedBackdrop : public Entity {
public:
    OutlinedBackdrop(World* owner, const OutlinedBackdropLook& look);
    ~OutlinedBackdrop() override;

    void draw(HDC dc) override;

    World* world;
    Pen edgePen;
};
