// Enemy construction, flight between the walls, drawing, hits and contact.
#include "enemy.h"

#include "area.h"
#include "burst.h"
#include "world.h"

namespace {
constexpr int enemyLife = 5;
constexpr float enemyRadius = 20.0f;
constexpr int enemyCorners = 10;
constexpr int crossHalfSize = 3;
constexpr int hitSparks = 10;
constexpr double halfTurn = 3.141592653589793;
constexpr double fullTurn = 6.283185307179586;
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
    if (!world->look.hitsBurst) {
        return;
    }
    const Vec2& at = outline.position;
    if (life == 0) {
        world->objectList.add(new Burst(world, at, hitSparks, BurstPalette::Red));
        world->objectList.add(new Burst(world, at, hitSparks, BurstPalette::Green));
        world->objectList.add(new Burst(world, at, hitSparks, BurstPalette::Blue));
    } else {
        world->objectList.add(new Burst(world, at, hitSparks, BurstPalette::Red));
    }
}

bool Enemy::hitTest(const Vec2& point, const Vec2&) {
    return point.distanceTo(outline.position) <= outline.radius;
}
