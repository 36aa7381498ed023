// Solid: the base of the objects other objects can touch and strike (the enemies). A solid
// has an outline for contact, a copy of it placed on the screen for drawing, a life and a kind.
#pragma once

#include "vec2.h"
#include "world/outline.h"

#include <windows.h>

// Solids constructed and not yet destroyed, so a test can tell a torn-down world left none.
extern int liveSolidCount;

// The kind value that marks an enemy among the solids.
constexpr int enemyKind = 3;

class Solid {
public:
    Solid();
    virtual ~Solid();
    Solid(const Solid&) = delete;
    Solid& operator=(const Solid&) = delete;

    virtual void update();
    virtual void draw(HDC dc);
    // Only a life of exactly 0 counts as dead.
    virtual bool isDead() const;
    // A plain solid is destroyed by any hit.
    virtual void hit();
    // Whether a point moving with velocity touches the solid; a plain solid is never touched.
    virtual bool hitTest(const Vec2& point, const Vec2& velocity);

    // Arena coordinates, used for contact.
    Outline outline;
    // The same outline placed on the frame surface by draw.
    Outline screenOutline;
    int life = 0;
    int kind = 0;
};
