// Bolt flight: the trail, the walls and the single strike on an enemy.
#include "bolt_flight.h"

#include "contact.h"
#include "solid.h"
#include "world.h"

namespace {
constexpr int boltLife = 50;
} // namespace

BoltFlight::BoltFlight(World* owner, int x, int y, float angle, float speed, const TrailLook& look)
    : TrailShot(owner, x, y, angle, speed, boltLife, look) {}

void BoltFlight::update() {
    shiftTrail();
    step();
}

void BoltFlight::stepLeaving(int wallSparks, int impactSparks, BurstMaker leaveBurst) {
    if (life == 0) {
        return;
    }
    life -= 1;
    position += velocity;
    for (int side = wallsCrossed(); side > 0; --side) {
        leaveBurst(world, position, wallSparks);
        life = 0;
    }
    // A bolt that has just left the arena can still strike an enemy on its last step.
    if (Solid* enemy = struckEnemy(world, position, velocity)) {
        enemy->hit();
        leaveBurst(world, position, impactSparks);
        life = 0;
    }
}
