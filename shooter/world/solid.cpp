// Default behaviour of a solid and the count of live solids.
#include "world/solid.h"

int liveSolidCount = 0;

Solid::Solid() {
    liveSolidCount += 1;
}

Solid::~Solid() {
    liveSolidCount -= 1;
}

void Solid::update() {}

void Solid::draw(HDC) {}

bool Solid::isDead() const {
    return life == 0;
}

void Solid::hit() {
    life = 0;
}

bool Solid::hitTest(const Vec2&, const Vec2&) {
    return false;
}
