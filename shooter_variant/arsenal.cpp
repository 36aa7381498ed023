// The variant's shot classes, bursts and pens: one grey bolt class for every weapon and the
// bomb's ring, a grey bomb, bursts of random colours, dark blue enemies.
#include "arsenal.h"

#include "bolt.h"
#include "burst.h"
#include "world.h"

namespace {
constexpr int bombFlightSparks = 10;
constexpr int bombWallSparks = 20;

void addBolt(World* world, int x, int y, float angle, float speed) {
    world->objectList.add(new Bolt(world, x, y, angle, speed));
}
} // namespace

void addScatterBolt(World* world, int x, int y, float angle, float speed) {
    addBolt(world, x, y, angle, speed);
}

void addStreamBolt(World* world, int x, int y, float angle, float speed) {
    addBolt(world, x, y, angle, speed);
}

void addVolleyBolt(World* world, int x, int y, float angle, float speed) {
    addBolt(world, x, y, angle, speed);
}

void addRingBolt(World* world, int x, int y, float angle, float speed) {
    addBolt(world, x, y, angle, speed);
}

void addBombFlightBurst(World* world, const Vec2& at) {
    world->objectList.add(new Burst(world, at, bombFlightSparks));
}

void addBombWallBurst(World* world, const Vec2& at) {
    world->objectList.add(new Burst(world, at, bombWallSparks));
}

void addDamageBurst(World* world, const Vec2& at, int sparkCount) {
    world->objectList.add(new Burst(world, at, sparkCount));
}

TrailLook bombLook() {
    return {{5, RGB(100, 100, 100)}, {1, RGB(150, 150, 150)}, {1, RGB(200, 200, 200)}};
}

PenLook enemyLook() {
    return {2, RGB(0, 0, 100)};
}
