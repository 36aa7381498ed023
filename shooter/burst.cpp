// Burst life cycle: moving, thinning out and drawing the sparks.
#include "burst.h"

Burst::~Burst() = default;

void Burst::update() {
    for (int i = 0; i < sparks.count(); ++i) {
        sparks.get(i)->advance();
    }
    sparks.removeDead();
    life = sparks.count();
}

void Burst::draw(HDC dc) {
    for (int i = 0; i < sparks.count(); ++i) {
        sparks.get(i)->draw(dc);
    }
}
