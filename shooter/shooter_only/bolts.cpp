// The green and blue bolts: their pens and their bursts, ten sparks at a wall, five on an enemy.
#include "bolts.h"

#include "burst.h"
#include "world.h"

namespace {
constexpr int wallSparks = 10;
constexpr int impactSparks = 5;

const TrailLook greenLook = {
    {2, RGB(100, 255, 100)}, {1, RGB(100, 200, 100)}, {1, RGB(50, 150, 50)}};
const TrailLook blueLook = {
    {2, RGB(150, 150, 255)}, {1, RGB(100, 100, 200)}, {1, RGB(50, 50, 150)}};

void leaveGreenBurst(World* world, const Vec2& at, int sparkCount) {
    world->objectList.add(new Burst(world, at, sparkCount, BurstPalette::Green));
}

void leaveBlueBurst(World* world, const Vec2& at, int sparkCount) {
    world->objectList.add(new Burst(world, at, sparkCount, BurstPalette::Blue));
}
} // namespace

GreenBolt::GreenBolt(World* owner, int x, int y, float angle, float speed)
    : BoltFlight(owner, x, y, angle, speed, greenLook) {}

void GreenBolt::step() {
    stepLeaving(wallSparks, impactSparks, leaveGreenBurst);
}

BlueBolt::BlueBolt(World* owner, int x, int y, float angle, float speed)
    : BoltFlight(owner, x, y, angle, speed, blueLook) {}

void BlueBolt::step() {
    stepLeaving(wallSparks, impactSparks, leaveBlueBurst);
}
