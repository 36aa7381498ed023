// Enemy construction, flight between the walls, drawing, hits and contact.
#include "combat/enemy.h"

#include "combat/burst.h"
#include "world/area.h"
#include "world/world.h"

namespace {
constexpr int enemyLife = 5;
constexpr float enemyRadius = 20.0f;
constexpr int enemyCorners = 10;
constexpr int crossHalfSize = 3;
constexpr int hitSparks = 10;
} // namespace

Enemy::Enemy(World* owner, int x, int y, float angle, float speed)
    : world(owner), pen(PS_SOLID, owner->look.enemyPen.width, owner->look.enemyPen.colour) {
    life = enemyLife;
    kind = enemyKind;
    velocity.setPolar(angle, speed);
    outline.buildRegular(enemyRadius, enemyCorners);
    outline.position.set(x, y);
    screenOutline = outline;
}

Enemy::~Enemy() = default;

void Enemy::update() {
    const Area* arena = world->arena();
    const float r = outline.radius;
    const float right = static_cast<float>(arena->width) - r;
    const float bottom = static_cast<float>(arena->height) - r;
    Vec2& p = outline.position;
    // The walls are compared with the truncated coordinates; each reflection keeps the speed.
    if (static_cast<float>(toPixel(p.x)) < r) {
        velocity.setAngle(static_cast<float>(halfTurn - velocity.angle()));
        p.x = r;
    }
    if (static_cast<float>(toPixel(p.x)) > right) {
        velocity.setAngle(static_cast<float>(halfTurn - velocity.angle()));
        p.x = right;
    }
    if (static_cast<float>(toPixel(p.y)) > bottom) {
        velocity.setAngle(static_cast<float>(fullTurn - velocity.angle()));
        p.y = bottom;
    }
    if (static_cast<float>(toPixel(p.y)) < r) {
        velocity.setAngle(static_cast<float>(fullTurn - velocity.angle()));
        p.y = r;
    }
    p += velocity;
}

void Enemy::draw(HDC dc) {
    screenOutline.position = outline.position + world->arena()->origin;
    const ScopedSelection penChoice(dc, pen);
    const int sx = toPixel(screenOutline.position.x);
    const int sy = toPixel(screenOutline.position.y);
    const PtrList<Vec2>& corners = screenOutline.vertices;
    if (corners.count() > 0) {
        const Vec2& first = *corners.get(0);
        MoveToEx(dc, sx + toPixel(first.x), sy + toPixel(first.y), nullptr);
        for (int i = 1; i <= corners.count(); ++i) {
            const Vec2& corner = *corners.get(i % corners.count());
            LineTo(dc, sx + toPixel(corner.x), sy + toPixel(corner.y));
        }
    }
    (screenOutline.centre + screenOutline.position).drawCross(dc, crossHalfSize);
}

void Enemy::hit() {
    if (life == 0) {
        return;
    }
    life -= 1;
    const ShooterLook& look = world->look;
    for (const BurstPalette* palette : life == 0 ? look.enemyDeathBursts : look.enemyHitBursts) {
        world->objectList.add(new Burst(world, outline.position, hitSparks, *palette));
    }
}

bool Enemy::hitTest(const Vec2& point, const Vec2&) {
    return point.distanceTo(outline.position) <= outline.radius;
}
