// Bomb flight and its ring of bolts, in the look's pens and bursts.
#include "combat/bomb.h"

#include "combat/bolt.h"
#include "combat/burst.h"
#include "world/world.h"

namespace {
constexpr int bombLife = 10;
constexpr int flightSparks = 10;
constexpr float ringSpeed = 20.0f;
constexpr double ringStep = 0.1;
} // namespace

Bomb::Bomb(World* owner, int x, int y, float angle, float speed)
    : TrailShot(owner, x, y, angle, speed, bombLife, owner->look.bomb.trail) {}

void Bomb::update() {
    shiftTrail();
    if (life == 0) {
        return;
    }
    life -= 1;
    const ShooterLook& look = world->look;
    // The walls are tested before the move, and the move still happens: a ring released at
    // a wall is centred one step beyond the point where the wall was found.
    for (int side = wallsCrossed(); side > 0; --side) {
        leaveBurst(look.bomb.wallSparks);
        life = 0;
    }
    position += velocity;
    if (life != 0) {
        leaveBurst(flightSparks);
        return;
    }
    releaseRing();
}

void Bomb::leaveBurst(int sparkCount) {
    world->objectList.add(new Burst(world, position, sparkCount, world->look.bomb.bursts));
}

void Bomb::releaseRing() {
    const int x = toPixel(position.x);
    const int y = toPixel(position.y);
    const BoltLook& ringBolt = world->look.ringBolt;
    // Accumulated by repeated addition, which yields 63 directions, 0 to 6.2.
    for (double angle = 0.0; angle < fullTurn; angle += ringStep) {
        world->objectList.add(
            new Bolt(world, x, y, static_cast<float>(angle), ringSpeed, ringBolt));
    }
}
