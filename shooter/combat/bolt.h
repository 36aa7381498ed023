// Bolt: the shot of the scatter, stream and volley weapons and of the bomb's ring. It flies for
// at most 50 updates, bursts at the arena walls and strikes the first enemy it touches once.
// The kinds of bolt differ only in data, their BoltLook, which the look names for each weapon.
#pragma once

#include "combat/trail_shot.h"
#include "look/shooter_look.h"

class World;

class Bolt : public TrailShot {
public:
    // look must outlive the bolt: the looks are program-wide constants.
    Bolt(World* owner, int x, int y, float angle, float speed, const BoltLook& look);

    // Shifts the trail, then takes one step of flight: move, test the walls, test the enemies;
    // a burst of the look's wall sparks for each wall crossed and one of its impact sparks on the
    // enemy struck.
    void update() override;

    const BoltLook& boltLook;

private:
    void step();
    void leaveBurst(int sparkCount);
};
