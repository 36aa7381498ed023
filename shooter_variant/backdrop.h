// Backdrop: the grey outlines of the arena, the view and the panel on the frame's white
// background. Nothing is filled; the arena's outline scrolls with the arena.
#pragma once

#include "entity.h"
#include "gdi_objects.h"

class World;

class Backdrop : public Entity {
public:
    explicit Backdrop(World* owner);
    ~Backdrop() override;

    void draw(HDC dc) override;

    World* world;
    Pen outlinePen{PS_SOLID, 3, RGB(100, 100, 100)};
};
