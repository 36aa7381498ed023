// WorldBuilder: fills an empty world with what a new game starts with, in its constructor:
// the three screen regions, the scenery, the heads-up display, the player at the arena's
// centre and the spawner. The caller appends the builder itself to algorithmList, where it
// stays, doing nothing, until the next restart.
#pragma once

#include "world/entity.h"

class World;

class WorldBuilder : public Algorithm {
public:
    // Side of the square arena in pixels, and the width of the panel at the right edge.
    static constexpr int arenaSize = 1000;
    static constexpr int panelWidth = 100;
    // The client size at which the view beside the panel is exactly the arena.
    static constexpr int fittingClientWidth = arenaSize + panelWidth;
    static constexpr int fittingClientHeight = arenaSize;
    // Enemies still to come, plus one: the spawner's starting life.
    static constexpr int spawnerLife = 100;

    explicit WorldBuilder(World* owner);
    ~WorldBuilder() override;

    World* world;
};
