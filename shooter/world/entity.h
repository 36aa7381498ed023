// Entity and Algorithm: the two bases of every object that lives in the shooter's world.
// An Entity is advanced and drawn each frame; an Algorithm only runs each frame. Both end by
// having their life reach 0; the list that holds them deletes them in its removal pass.
#pragma once

#include "vec2.h"

#include <windows.h>

// Entities constructed and not yet destroyed; every constructor and destructor of the family
// keeps it up to date, so a test can tell that a torn-down world left nothing behind.
extern int liveEntityCount;

class Entity {
public:
    Entity();
    virtual ~Entity();
    Entity(const Entity&) = delete;
    Entity& operator=(const Entity&) = delete;

    virtual void update();
    virtual void draw(HDC dc);
    // Only a life of exactly 0 counts as dead: a negative life stays in its list.
    virtual bool isDead() const;
    virtual void kill();

    // In arena coordinates: relative to the arena's top-left corner.
    Vec2 position;
    // On the frame surface; set by a subclass's draw from position and the arena's origin.
    Vec2 screenPosition;
    int life = 0;
    int kind = 0;
};

// The kind value that marks the player among the entities.
constexpr int playerKind = 2;

class Algorithm {
public:
    Algorithm() = default;
    virtual ~Algorithm();
    Algorithm(const Algorithm&) = delete;
    Algorithm& operator=(const Algorithm&) = delete;

    virtual void update();
    virtual bool isDead() const;
    virtual void kill();

    int life = 0;
};
