// Backdrop: what lies under the world, drawn by the look's ground. On a dark ground it paints
// the view very dark grey and the arena black inside a white frame; on a white one it outlines
// the arena, the view and the panel in grey and fills nothing. The arena's frame or outline
// scrolls with the arena.
#pragma once

#include "entity.h"
#include "gdi_objects.h"

#include <optional>

class World;

class Backdrop : public Entity {
public:
    // Creates only the pens and brushes its ground draws with.
    explicit Backdrop(World* owner);
    ~Backdrop() override;

    void draw(HDC dc) override;

    World* world;
    // The arena's frame on a dark ground, the outline of every region on a white one.
    Pen edgePen;
    // A dark ground's only.
    std::optional<Pen> viewPen;
    std::optional<SolidBrush> viewBrush;
    std::optional<SolidBrush> arenaBrush;

private:
    void drawFilled(HDC dc) const;
    void drawOutlines(HDC dc) const;
};
