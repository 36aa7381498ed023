// An enemy struck by a shot: a red burst for a hit it survives; red, green and blue bursts
// when the hit destroys it.
#include "enemy.h"

#include "burst.h"
#include "world.h"

namespace {
constexpr int hitSparks = 10;
} // namespace

void Enemy::hit() {
    if (life == 0) {
        return;
    }
    life -= 1;
    if (life == 0) {
        world->objectList.add(new Burst(world, outline.position, hitSparks, BurstPalette::Red));
        world->objectList.add(new Burst(world, outline.position, hitSparks, BurstPalette::Green));
        world->objectList.add(new Burst(world, outline.position, hitSparks, BurstPalette::Blue));
    } else {
        world->objectList.add(new Burst(world, outline.position, hitSparks, BurstPalette::Red));
    }
}
