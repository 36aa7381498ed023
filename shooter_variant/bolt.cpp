// The bolt's pens and bursts.
#include "bolt.h"

#include "burst.h"
#include "world.h"

namespace {
constexpr int wallSparks = 20;
constexpr int impactSparks = 10;

const TrailLook greyLook = {
    {1, RGB(100, 100, 100)}, {1, RGB(150, 150, 150)}, {1, RGB(200, 200, 200)}};

void leaveBurst(World* world, const Vec2& at, int sparkCount) {
    world->objectList.add(new Burst(world, at, sparkCount));
}
} // namespace

Bolt::Bolt(World* owner, int x, int y, float angle, float speed)
    : BoltFlight(owner, x, y, angle, speed, greyLook) {}

void Bolt::step() {
    stepLeaving(wallSparks, impactSparks, leaveBurst);
}
