// Bolt: the variant's one bolt class, fired by the scatter, stream and volley weapons and by the
// bomb's ring. Grey trail; bursts of twenty sparks at a wall and ten on an enemy.
#pragma once

#include "bolt_flight.h"

class World;

class Bolt : public BoltFlight {
public:
    Bolt(World* owner, int x, int y, float angle, float speed);
    void step() override;
};
