// BoltFlight: the flight every bolt class shares. A bolt flies for at most 50 updates, bursts at
// the arena walls and strikes the first enemy it touches once; the bolt classes differ only in
// their pens and in the bursts they leave, which each one's step chooses.
#pragma once

#include "trail_shot.h"
#include "vec2.h"

class World;

class BoltFlight : public TrailShot {
public:
    // Shifts the trail, then takes one step.
    void update() override;
    // One step of flight: move, test the walls, test the enemies.
    virtual void step() = 0;

protected:
    // Creates a burst of sparkCount sparks at a point and appends it to the world's objects.
    using BurstMaker = void (*)(World* world, const Vec2& at, int sparkCount);

    BoltFlight(World* owner, int x, int y, float angle, float speed, const TrailLook& look);
    // The step, leaving a burst of wallSparks for each wall crossed and one of impactSparks on
    // the enemy struck.
    void stepLeaving(int wallSparks, int impactSparks, BurstMaker leaveBurst);
};
