// The player's five weapons. Each fires from the player's position along its aim; the paced
// ones fire only when their cadence flag is up and take it down.
#include "combat/player.h"

#include "combat/bolt.h"
#include "combat/bomb.h"
#include "combat/flame.h"
#include "random.h"
#include "world/world.h"

namespace {
constexpr float boltSpeed = 20.0f;
constexpr float flameSpeed = 10.0f;
constexpr int flameLife = 8;
constexpr double scatterSpread = 0.05;
constexpr float volleyRadius = 20.0f;

// One of 0.025, 0.020, ..., -0.020 radians; one draw per shot.
double jitter() {
    return 0.025 - (nextRandom() % 10) * 0.005;
}

struct VolleyShot {
    double direction;
    float speed;
};

// Six bolts on an arc of radius 20 spread over one radian, all flying along the aim; the outer
// ones are fastest, so the group opens into a V.
const VolleyShot volley[] = {{-0.5, 20.0f}, {-0.3, 15.0f}, {-0.1, 10.0f},
                             {0.1, 10.0f},  {0.3, 15.0f},  {0.5, 20.0f}};

void fireBolt(World* world, const BoltLook& look, int x, int y, double angle, float speed) {
    world->objectList.add(new Bolt(world, x, y, static_cast<float>(angle), speed, look));
}
} // namespace

void Player::fireScatter() {
    if (!scatterReady) {
        return;
    }
    const int x = toPixel(position.x);
    const int y = toPixel(position.y);
    const double aimAngle = aim.angle();
    const double offsets[] = {-scatterSpread, 0.0, 0.0, scatterSpread};
    for (const double offset : offsets) {
        const double angle = aimAngle + jitter() + offset;
        fireBolt(world, world->look.scatterBolt, x, y, angle, boltSpeed);
    }
    scatterReady = false;
}

void Player::fireStream() {
    const double angle = aim.angle() + jitter();
    fireBolt(world, world->look.streamBolt, toPixel(position.x), toPixel(position.y), angle,
             boltSpeed);
}

void Player::fireBomb() {
    if (!bombReady) {
        return;
    }
    const double angle = aim.angle() + jitter();
    world->objectList.add(new Bomb(world, toPixel(position.x), toPixel(position.y),
                                   static_cast<float>(angle), boltSpeed));
    bombReady = false;
}

void Player::fireFlame() {
    const double angle = aim.angle() + jitter();
    world->objectList.add(new Flame(world, toPixel(position.x), toPixel(position.y),
                                    static_cast<float>(angle), flameSpeed, flameLife));
}

void Player::fireVolley() {
    if (!volleyReady) {
        return;
    }
    const double aimAngle = aim.angle();
    Vec2 offset;
    offset.setPolar(static_cast<float>(aimAngle + volley[0].direction), volleyRadius);
    bool first = true;
    for (const VolleyShot& shot : volley) {
        if (!first) {
            offset.setAngle(static_cast<float>(aimAngle + shot.direction));
        }
        first = false;
        const Vec2 start = position + offset;
        fireBolt(world, world->look.volleyBolt, toPixel(start.x), toPixel(start.y), aimAngle,
                 shot.speed);
    }
    volleyReady = false;
}
