// Burst construction with sparks of random colours.
#include "burst.h"

#include "random.h"
#include "world.h"

namespace {
constexpr int sparkPenWidth = 2;
} // namespace

Burst::Burst(World* owner, const Vec2& origin, int sparkCount) : world(owner) {
    position = origin;
    life = 1;
    for (int i = 0; i < sparkCount; ++i) {
        // One raw draw, 0 .. 32767, is the colour: red from its low 8 bits, green from the next
        // 7, no blue.
        const auto colour = static_cast<COLORREF>(nextRandom());
        const double drag = (nextRandom() % 100) * 0.1 + 2.0;
        const double angle = (nextRandom() % 100) * 0.1;
        const double speed = (nextRandom() % 100) * 0.1;
        sparks.add(new Spark(world->arena(), position, static_cast<float>(speed),
                             static_cast<float>(angle), static_cast<float>(drag), colour,
                             sparkPenWidth));
    }
}
