// Hud: the heads-up display in the panel at the right edge: the player's health as a bar with
// its percentage, and four lines counting the entries of the world's lists. It sits in
// lastList, so it is drawn over whatever of the scrolled arena reaches into the panel.
#pragma once

#include "display/hud_panel.h"
#include "world/entity.h"

class World;

class Hud : public Entity {
public:
    explicit Hud(World* owner);
    ~Hud() override;

    void draw(HDC dc) override;

    World* world;
    // The panel's pens and brushes; position is the bar's offset inside the panel.
    HudPanel panel;
};
