// A flame's touch: the enemy is hit and then dies at once, without bursts; the flame goes out.
#include "flame.h"

#include "solid.h"

void Flame::strike(Solid* enemy) {
    enemy->hit();
    enemy->life = 0;
    life = 0;
}
