// An enemy struck by a shot loses one life and leaves nothing behind: it dies without an
// explosion, whatever kills it.
#include "enemy.h"

void Enemy::hit() {
    if (life != 0) {
        life -= 1;
    }
}
