// A flame's touch: the enemy is given one life left and hit, so it dies at once with its
// death bursts; the flame goes out.
#include "flame.h"

#include "solid.h"

void Flame::strike(Solid* enemy) {
    enemy->life = 1;
    enemy->hit();
    life = 0;
}
