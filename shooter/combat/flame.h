// Flame: a thick dot of fire that slows down and splits in two, generation after generation,
// until its generations run out. It destroys the first enemy it touches at once.
#pragma once

#include "gdi_objects.h"
#include "vec2.h"
#include "world/entity.h"

#include <windows.h>

class Solid;
class World;

class Flame : public Entity {
public:
    // The colour is drawn once, between yellow and orange-red.
    Flame(World* owner, int x, int y, float angle, float speed, int startLife);
    ~Flame() override;

    void update() override;
    void draw(HDC dc) override;

    Vec2 velocity;
    World* world;
    Pen pen;
    // The life the children receive: one less than the flame's own initial life.
    int generation;

private:
    // Touching an enemy destroys it at once, with its death bursts, and puts the flame out.
    void strike(Solid* enemy);
    void split();
};
