// Bolt: the shot of the scatter, stream and volley weapons and of the bomb's ring. It flies for
// at most 50 updates, bursts at the arena walls and strikes the first enemy it touches once.
// The kinds of bolt differ only in data, their BoltLook: the shooter's GreenBolt and BlueBolt
// (greenBoltLook, blueBoltLook) and the variant's grey Bolt (greyBoltLook).
#pragma once

#include "shooter_look.h"
#include "trail_shot.h"

class World;

class Bolt : public TrailShot {
public:
    // boltKind must outlive the bolt: the looks are program-wide constants.
    Bolt(World* owner, int x, int y, float angle, float speed, const BoltLook& boltKind);

    // Shifts the trail, then takes one step.
    void update() override;
    // One step of flight: move, test the walls, test the enemies; a burst of the kind's wall
    // sparks for each wall crossed and one of its impact sparks on the enemy struck.
    virtual void step();

    const BoltLook& kind;

private:
    void leaveBurst(int sparkCount);
};
