// The pieces of combat that differ between the shooter builds: which shot classes the weapons
// and the bomb's ring fire, the bursts of the bomb and of the player's damage, and the bomb's
// and the enemies' pens. The shared player, flight, weapon and enemy code reaches them only
// through these functions; each build defines them in its own arsenal.cpp.
#pragma once

#include "trail_shot.h"
#include "vec2.h"

class World;

// Each creates its shot and appends it to the world's object list at once.
void addScatterBolt(World* world, int x, int y, float angle, float speed);
void addStreamBolt(World* world, int x, int y, float angle, float speed);
void addVolleyBolt(World* world, int x, int y, float angle, float speed);
void addRingBolt(World* world, int x, int y, float angle, float speed);

// The burst a bomb leaves behind on every update of its flight.
void addBombFlightBurst(World* world, const Vec2& at);
// The burst of each arena wall a bomb runs into.
void addBombWallBurst(World* world, const Vec2& at);
// The burst that shows the player touched (or killed) by an enemy.
void addDamageBurst(World* world, const Vec2& at, int sparkCount);

TrailLook bombLook();
PenLook enemyLook();
