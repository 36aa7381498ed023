// Helpers shared by the demonstration scenes' objects.
#include "common/scene_object.h"

#include "random.h"

Vec2 randomStartPoint() {
    // Two statements keep the order of the draws fixed: y, then x.
    const int y = 100 + nextRandom() % 300;
    const int x = 100 + nextRandom() % 300;
    return Vec2(x, y);
}
