// Bolt flight: the trail, the walls and the single strike on an enemy, with the bursts of the
// bolt's look.
#include "combat/bolt.h"

#include "combat/burst.h"
#include "combat/contact.h"
#include "world/solid.h"
#include "world/world.h"

namespace {
constexpr int boltLife = 50;
} // namespace

Bolt::Bolt(World* owner, int x, int y, float angle, float speed, const BoltLook& look)
    : TrailShot(owner, x, y, angle, speed, boltLife, look.trail), boltLook(look) {}

void Bolt::update() {
    shiftTrail();
    step();
}

void Bolt::step() {
    if (life == 0) {
        return;
    }
    life -= 1;
    position += velocity;
    for (int side = wallsCrossed(); side > 0; --side) {
        leaveBurst(boltLook.wallSparks);
        life = 0;
    }
    // A bolt that has just left the arena can still strike an enemy on its last step.
    if (Solid* enemy = struckEnemy(world, position, velocity)) {
        enemy->hit();
        leaveBurst(boltLook.impactSparks);
        life = 0;
    }
}

void Bolt::leaveBurst(int sparkCount) {
    world->objectList.add(new Burst(world, position, sparkCount, boltLook.bursts));
}
