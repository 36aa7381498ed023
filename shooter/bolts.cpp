// Bolt flight: the trail, the walls and the single strike on an enemy.
#include "bolts.h"

#include "contact.h"
#include "solid.h"
#include "world.h"

namespace {
constexpr int boltLife = 50;
constexpr int wallSparks = 10;
constexpr int impactSparks = 5;

const TrailLook greenLook = {
    {2, RGB(100, 255, 100)}, {1, RGB(100, 200, 100)}, {1, RGB(50, 150, 50)}};
const TrailLook blueLook = {
    {2, RGB(150, 150, 255)}, {1, RGB(100, 100, 200)}, {1, RGB(50, 50, 150)}};
} // namespace

PaletteBolt::PaletteBolt(World* owner, int x, int y, float angle, float speed,
                         const TrailLook& look)
    : TrailShot(owner, x, y, angle, speed, boltLife, look) {}

void PaletteBolt::update() {
    shiftTrail();
    step();
}

void PaletteBolt::stepWith(BurstPalette palette) {
    if (life == 0) {
        return;
    }
    life -= 1;
    position += velocity;
    for (int side = wallsCrossed(); side > 0; --side) {
        world->objectList.add(new Burst(world, position, wallSparks, palette));
        life = 0;
    }
    // A bolt that has just left the arena can still strike an enemy on its last step.
    if (Solid* enemy = struckEnemy(world, position, velocity)) {
        enemy->hit();
        world->objectList.add(new Burst(world, position, impactSparks, palette));
        life = 0;
    }
}

GreenBolt::GreenBolt(World* owner, int x, int y, float angle, float speed)
    : PaletteBolt(owner, x, y, angle, speed, greenLook) {}

void GreenBolt::step() {
    stepWith(BurstPalette::Green);
}

BlueBolt::BlueBolt(World* owner, int x, int y, float angle, float speed)
    : PaletteBolt(owner, x, y, angle, speed, blueLook) {}

void BlueBolt::step() {
    stepWith(BurstPalette::Blue);
}
