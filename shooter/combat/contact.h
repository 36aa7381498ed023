// The contact test of the shots that strike enemies.
#pragma once

#include "vec2.h"

class Solid;
class World;

// The first enemy of the world's solid list, from index 0 upward, whose hit test answers
// true for a point moving with velocity, or null. Solids that are not enemies are skipped.
Solid* struckEnemy(const World* world, const Vec2& point, const Vec2& velocity);
