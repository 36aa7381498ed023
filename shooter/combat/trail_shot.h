// TrailShot: the part that bolts and bombs share. The shot flies in a straight line in arena
// coordinates and is drawn as a three-segment trail through its last three positions, each
// segment with its own pen, fading toward the tail.
#pragma once

#include "gdi_objects.h"
#include "look/shooter_look.h"
#include "vec2.h"
#include "world/entity.h"

#include <windows.h>

class World;

class TrailShot : public Entity {
public:
    ~TrailShot() override;

    void draw(HDC dc) override;

    // Added to position once per update.
    Vec2 velocity;
    // Positions one, two and three updates ago, and their places on the frame surface.
    Vec2 trail[3];
    Vec2 trailScreen[3];
    World* world;
    Pen headPen;
    Pen middlePen;
    Pen tailPen;

protected:
    TrailShot(World* owner, int x, int y, float angle, float speed, int startLife,
              const TrailLook& look);

    // Moves every trail entry one step back and puts the current position at its front.
    void shiftTrail();
    // The number of arena walls the truncated position lies beyond (two in a corner).
    int wallsCrossed() const;
};
