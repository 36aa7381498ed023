// Enemy: a ten-sided polygon that flies straight at a constant speed, bounces off the arena
// walls and takes five hits. It makes no decisions. Its pen and the bursts its hits leave come
// from the look.
#pragma once

#include "gdi_objects.h"
#include "vec2.h"
#include "world/solid.h"

#include <windows.h>

class World;

class Enemy : public Solid {
public:
    Enemy(World* owner, int x, int y, float angle, float speed);
    ~Enemy() override;

    // Bounces off each wall the outline's circle has reached, then moves.
    void update() override;
    void draw(HDC dc) override;
    // Costs one life, if any is left, and leaves the look's bursts for a hit the enemy survives
    // or for the one that destroys it.
    void hit() override;
    // A circle test around the reference point: the polygon's shape and the velocity play no
    // part.
    bool hitTest(const Vec2& point, const Vec2& velocity) override;

    Vec2 velocity;
    World* world;
    Pen pen;
};
