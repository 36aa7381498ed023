// Spawner: runs one game. Once per tick, before every other list moves, it releases at most one
// enemy at a random arena corner, keeping the live enemies below the number still to come, and
// it ends the game: lost when the player is gone, won when the last enemy is destroyed.
#pragma once

#include "world/entity.h"

class World;

class Spawner : public Algorithm {
public:
    // remaining is one more than the number of enemies the game releases.
    Spawner(World* owner, int remaining);

    void update() override;

    // Enemies found in the solid list at the start of the latest update, dead ones not yet
    // removed included.
    int enemyCount = 0;
    World* world;
};
