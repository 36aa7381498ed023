// Backdrop: paints the view very dark grey and the arena black inside a white frame.
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
    Pen framePen{PS_SOLID, 5, RGB(255, 255, 255)};
    Pen viewPen{PS_SOLID, 0, RGB(0, 0, 0)};
    SolidBrush viewBrush{RGB(20, 20, 20)};
    SolidBrush arenaBrush{RGB(0, 0, 0)};
};
