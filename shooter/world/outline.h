// Outline: the polygon of a solid, its reference point and the circle that bounds it.
// Vertices are held on the heap relative to the reference point; a copy duplicates them.
#pragma once

#include "ptr_list.h"
#include "vec2.h"

class Outline {
public:
    Outline() = default;
    ~Outline() = default;
    Outline(const Outline& other);
    Outline& operator=(const Outline& other);

    // Replaces the vertices with a regular polygon of count corners around the reference
    // point, the first corner on the +x axis, and measures the bounding radius.
    void buildRegular(float polygonRadius, int count);

    // Reference point in arena (or, for a screen copy, frame-surface) coordinates.
    Vec2 position;
    // Centre relative to position.
    Vec2 centre;
    // Greatest distance from the centre to a vertex.
    float radius = 0.0f;
    // Corners relative to position; the list owns them.
    PtrList<Vec2> vertices;
};
