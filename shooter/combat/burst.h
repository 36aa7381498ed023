// Burst: an explosion. It throws a number of sparks from one point in random directions and
// lives as long as one of them does. Its palette, which the look gives for each cause, decides
// the sparks' colours and how they are thrown.
#pragma once

#include "combat/spark.h"
#include "look/shooter_look.h"
#include "ptr_list.h"
#include "vec2.h"
#include "world/entity.h"

#include <windows.h>

class World;

class Burst : public Entity {
public:
    // Draws each spark's colour, drag, direction and speed from the generator, in that order.
    Burst(World* owner, const Vec2& origin, int sparkCount, const BurstPalette& palette);
    ~Burst() override;

    // Moves every spark, removes the spent ones in order and counts the rest as life.
    void update() override;
    void draw(HDC dc) override;

    // Owned; spent sparks are removed in place without reallocating the list.
    PtrList<Spark> sparks;
    World* world;
};
