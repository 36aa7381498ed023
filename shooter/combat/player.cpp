// The player's tick (contact, movement, weapon change, fire, cadence) and its drawing.
#include "combat/player.h"

#include "combat/burst.h"
#include "world/area.h"
#include "world/solid.h"
#include "world/world.h"

namespace {
// Health an enemy costs per tick of contact, and the sparks of the bursts that show it.
constexpr int contactDamage = 10;
constexpr int contactSparks = 30;
constexpr int deathSparks = 100;
// Ticks between the raisings of the cadence flags.
constexpr unsigned int quickCadence = 5;
constexpr unsigned int bombCadence = 40;
} // namespace

Player::Player(World* owner, int x, int y) : figure(owner->look), world(owner) {
    position.set(x, y);
    life = fullHealth;
    kind = playerKind;
}

Player::~Player() = default;

void Player::update() {
    if (!takeContactDamage()) {
        return;
    }
    move();
    if (world->rightButton == 1) {
        weaponIndex += 1;
        world->rightButton = 2;
    }
    if (world->leftButton == 1) {
        fireCurrentWeapon();
    }
    frameCounter += 1;
    if (frameCounter % quickCadence == 0) {
        scatterReady = true;
        volleyReady = true;
    }
    if (frameCounter % bombCadence == 0) {
        bombReady = true;
    }
}

bool Player::takeContactDamage() {
    PtrList<Solid>& solids = world->solidList;
    for (int i = 0; i < solids.count(); ++i) {
        Solid* solid = solids.get(i);
        if (solid->kind != enemyKind || !solid->hitTest(position, aim)) {
            continue;
        }
        leaveDamageBurst(contactSparks);
        life -= contactDamage;
        if (life <= 0) {
            life = 0;
            leaveDamageBurst(deathSparks);
            return false;
        }
    }
    return true;
}

void Player::leaveDamageBurst(int sparkCount) {
    world->objectList.add(new Burst(world, position, sparkCount, world->look.damageBursts));
}

void Player::move() {
    const int* held = world->heldKeys;
    if (held[0] == 0 && held[1] == 0) {
        return;
    }
    auto isHeld = [held](int key) { return held[0] == key || held[1] == key; };
    Area* arena = world->arena();
    const float margin = static_cast<float>(radius);
    // Each direction is tested on its own, so opposite keys cancel unless an edge blocks one.
    if (isHeld(VK_UP) && margin < position.y) {
        position.y -= stepLength;
        arena->origin.y += scrollLength;
    }
    if (isHeld(VK_DOWN) && static_cast<float>(arena->height - radius) > position.y) {
        position.y += stepLength;
        arena->origin.y -= scrollLength;
    }
    if (isHeld(VK_RIGHT) && static_cast<float>(arena->width - radius) > position.x) {
        position.x += stepLength;
        arena->origin.x -= scrollLength;
    }
    if (isHeld(VK_LEFT) && margin < position.x) {
        position.x -= stepLength;
        arena->origin.x += scrollLength;
    }
}

void Player::fireCurrentWeapon() {
    switch (weaponIndex % weaponCount) {
    case 0:
        fireScatter();
        break;
    case 1:
        fireStream();
        break;
    case 2:
        fireBomb();
        break;
    case 3:
        fireFlame();
        break;
    default:
        fireVolley();
        break;
    }
}

void Player::draw(HDC dc) {
    screenPosition = position + world->arena()->origin;
    aim.setPolar((world->mouse - screenPosition).angle(), aimLength);
    figure.draw(dc, screenPosition, aim, radius);
}
