// Flame flight, contact and splitting.
#include "combat/flame.h"

#include "combat/contact.h"
#include "random.h"
#include "world/area.h"
#include "world/solid.h"
#include "world/world.h"

namespace {
constexpr float slowdown = 1.02f;
constexpr int penWidth = 10;
constexpr double spreadStep = 0.08;

COLORREF drawFlameColour() {
    const int e = nextRandom() % 150;
    return RGB(255, 255 - e, e / 2);
}
} // namespace

Flame::Flame(World* owner, int x, int y, float angle, float speed, int startLife)
    : world(owner), pen(PS_SOLID, penWidth, drawFlameColour()), generation(startLife - 1) {
    position.set(x, y);
    velocity.setPolar(angle, speed);
    life = startLife;
}

Flame::~Flame() = default;

void Flame::update() {
    if (life == 0) {
        return;
    }
    velocity /= slowdown;
    position += velocity;
    if (Solid* enemy = struckEnemy(world, position, velocity)) {
        strike(enemy);
        return;
    }
    life -= 1;
    if (life == generation * 5 / 6) {
        split();
    }
}

void Flame::strike(Solid* enemy) {
    // The enemy is left its last life, so the hit that destroys it leaves the look's death
    // bursts.
    enemy->life = 1;
    enemy->hit();
    life = 0;
}

void Flame::split() {
    const int x = toPixel(position.x);
    const int y = toPixel(position.y);
    const float heading = velocity.angle();
    const float speed = velocity.length();
    // For each child the speed's number is drawn before the angle's, and the child's own
    // colour after both.
    const int slowLeft = nextRandom() % 5;
    const double turnLeft = (nextRandom() % 10) * spreadStep;
    world->objectList.add(new Flame(world, x, y, static_cast<float>(heading + turnLeft),
                                    speed - static_cast<float>(slowLeft), generation));
    const int slowRight = nextRandom() % 5;
    const double turnRight = (nextRandom() % 10) * spreadStep;
    world->objectList.add(new Flame(world, x, y, static_cast<float>(heading - turnRight),
                                    speed - static_cast<float>(slowRight), generation));
    life = 0;
}

void Flame::draw(HDC dc) {
    screenPosition = position + world->arena()->origin;
    const ScopedSelection penChoice(dc, pen);
    screenPosition.drawDot(dc);
}
