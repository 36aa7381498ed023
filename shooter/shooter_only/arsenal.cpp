// The shooter's shot classes, bursts and pens: green and blue bolts, blue bomb sparks, red
// damage sparks, cyan enemies.
#include "arsenal.h"

#include "bolts.h"
#include "burst.h"
#include "world.h"

namespace {
constexpr int bombFlightSparks = 10;
constexpr int bombWallSparks = 5;
} // namespace

void addScatterBolt(World* world, int x, int y, float angle, float speed) {
    world->objectList.add(new GreenBolt(world, x, y, angle, speed));
}

void addStreamBolt(World* world, int x, int y, float angle, float speed) {
    world->objectList.add(new BlueBolt(world, x, y, angle, speed));
}

void addVolleyBolt(World* world, int x, int y, float angle, float speed) {
    world->objectList.add(new GreenBolt(world, x, y, angle, speed));
}

void addRingBolt(World* world, int x, int y, float angle, float speed) {
    world->objectList.add(new BlueBolt(world, x, y, angle, speed));
}

void addBombFlightBurst(World* world, const Vec2& at) {
    world->objectList.add(new Burst(world, at, bombFlightSparks, BurstPalette::Blue));
}

void addBombWallBurst(World* world, const Vec2& at) {
    world->objectList.add(new Burst(world, at, bombWallSparks, BurstPalette::Blue));
}

void addDamageBurst(World* world, const Vec2& at, int sparkCount) {
    world->objectList.add(new Burst(world, at, sparkCount, BurstPalette::Red));
}

TrailLook bombLook() {
    return {{5, RGB(100, 100, 255)}, {2, RGB(50, 50, 160)}, {1, RGB(10, 10, 100)}};
}

PenLook enemyLook() {
    return {2, RGB(100, 255, 255)};
}
