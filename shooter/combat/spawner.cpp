// The release of enemies and the end of the game.
#include "combat/spawner.h"

#include "combat/enemy.h"
#include "display/end_message.h"
#include "random.h"
#include "world/area.h"
#include "world/world.h"

namespace {
// A corner's enemy starts this far from both walls.
constexpr int cornerInset = 10;

int countEnemies(const World* world) {
    int enemies = 0;
    for (int i = 0; i < world->solidList.count(); ++i) {
        if (world->solidList.get(i)->kind == enemyKind) {
            enemies += 1;
        }
    }
    return enemies;
}
} // namespace

Spawner::Spawner(World* owner, int remaining) : world(owner) {
    life = remaining;
}

void Spawner::update() {
    enemyCount = countEnemies(world);
    // The player is looked for first, so a tick that finds no player and no enemy is a loss.
    if (world->player() == nullptr) {
        world->objectList.add(new LoseMessage(world->look));
        life = 0;
        return;
    }
    if (life == 1 && enemyCount == 0) {
        world->objectList.add(new WinMessage(world->look));
        life = 0;
        return;
    }
    if (life <= enemyCount) {
        return;
    }
    const Area* arena = world->arena();
    const int farX = arena->width - cornerInset;
    const int farY = arena->height - cornerInset;
    int x = cornerInset;
    int y = cornerInset;
    switch (nextRandom() % 4) {
    case 1:
        y = farY;
        break;
    case 2:
        x = farX;
        y = farY;
        break;
    case 3:
        x = farX;
        break;
    default:
        break;
    }
    const double speed = (nextRandom() % 100) * 0.1 + 1.0;
    const double direction = 5.0 - (nextRandom() % 100) * 0.1;
    world->solidList.add(
        new Enemy(world, x, y, static_cast<float>(direction), static_cast<float>(speed)));
    life -= 1;
}
