// The shots' contact test against the world's enemies.
#include "combat/contact.h"

#include "world/solid.h"
#include "world/world.h"

Solid* struckEnemy(const World* world, const Vec2& point, const Vec2& velocity) {
    for (int i = 0; i < world->solidList.count(); ++i) {
        Solid* solid = world->solidList.get(i);
        if (solid->kind == enemyKind && solid->hitTest(point, velocity)) {
            return solid;
        }
    }
    return nullptr;
}
