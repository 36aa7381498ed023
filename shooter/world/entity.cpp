// Default behaviour of the world object bases and the count of live entities.
#include "world/entity.h"

int liveEntityCount = 0;

Entity::Entity() {
    liveEntityCount += 1;
}

Entity::~Entity() {
    liveEntityCount -= 1;
}

void Entity::update() {}

void Entity::draw(HDC) {}

bool Entity::isDead() const {
    return life == 0;
}

void Entity::kill() {
    life = 0;
}

Algorithm::~Algorithm() = default;

void Algorithm::update() {}

bool Algorithm::isDead() const {
    return life == 0;
}

void Algorithm::kill() {
    life = 0;
}
