// Bomb: a heavy shot that passes through enemies, sheds a burst on every update of its flight
// and, after ten updates or at a wall, bursts into a ring of 63 bolts.
#pragma once

#include "combat/trail_shot.h"

class World;

class Bomb : public TrailShot {
public:
    Bomb(World* owner, int x, int y, float angle, float speed);

    void update() override;

private:
    void leaveBurst(int sparkCount);
    void releaseRing();
};
