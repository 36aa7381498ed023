// Bomb flight and its ring of bolts.
#include "bomb.h"

#include "arsenal.h"

namespace {
constexpr int bombLife = 10;
constexpr float ringSpeed = 20.0f;
constexpr double ringStep = 0.1;
constexpr double fullTurn = 6.283185307179586;
} // namespace

Bomb::Bomb(World* owner, int x, int y, float angle, float speed)
    : TrailShot(owner, x, y, angle, speed, bombLife, bombLook()) {}

void Bomb::update() {
    shiftTrail();
    if (life == 0) {
        return;
    }
    life -= 1;
    // The walls are tested before the move, and the move still happens: a ring released at
    // a wall is centred one step beyond the point where the wall was found.
    for (int side = wallsCrossed(); side > 0; --side) {
        addBombWallBurst(world, position);
        life = 0;
    }
    position += velocity;
    if (life != 0) {
        addBombFlightBurst(world, position);
        return;
    }
    releaseRing();
}

void Bomb::releaseRing() {
    const int x = toPixel(position.x);
    const int y = toPixel(position.y);
    // Accumulated by repeated addition, which yields 63 directions, 0 to 6.2.
    for (double angle = 0.0; angle < fullTurn; angle += ringStep) {
        addRingBolt(world, x, y, static_cast<float>(angle), ringSpeed);
    }
}
