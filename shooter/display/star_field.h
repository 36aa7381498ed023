// StarField: 500 single-pixel stars at random arena positions, scrolling with the arena, in the
// look's star colour.
#pragma once

#include "gdi_objects.h"
#include "world/entity.h"

class World;

class StarField : public Entity {
public:
    static constexpr int capacity = 500;

    explicit StarField(World* owner);
    ~StarField() override;

    void draw(HDC dc) override;

    World* world;
    Pen starPen;
    // Arena coordinates, 0..999 on both axes.
    Vec2 stars[capacity];
    int starCount = capacity;
};
