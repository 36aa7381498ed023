// Burst construction with the three colour schemes of the game's explosions.
#include "burst.h"

#include "random.h"
#include "world.h"

namespace {
struct SparkColour {
    COLORREF colour;
    int penWidth;
};

// Three fresh numbers per spark, drawn first, second and third.
SparkColour drawSparkColour(BurstPalette palette) {
    const int r1 = nextRandom();
    const int r2 = nextRandom();
    const int r3 = nextRandom();
    switch (palette) {
    case BurstPalette::Red:
        return {RGB(20 + r3 % 235, r2 % 25, r1 % 25), 5};
    case BurstPalette::Green:
        return {RGB(r3 % 80, 100 + r1 % 155, r2 % 80), 3};
    case BurstPalette::Blue:
        break;
    }
    return {RGB(80 + r3 % 50, 80 + r2 % 50, 150 + r1 % 105), 3};
}
} // namespace

Burst::Burst(World* owner, const Vec2& origin, int sparkCount, BurstPalette palette)
    : world(owner) {
    position = origin;
    life = 1;
    for (int i = 0; i < sparkCount; ++i) {
        const SparkColour look = drawSparkColour(palette);
        const double drag = (nextRandom() % 100) * 0.1 + 2.0;
        // 0 .. 6.9 radians: the directions up to about 0.6 come up twice as often.
        const double angle = (nextRandom() % 70) * 0.1;
        const double speed = (nextRandom() % 200) * 0.1;
        sparks.add(new Spark(world->arena(), position, static_cast<float>(speed),
                             static_cast<float>(angle), static_cast<float>(drag), look.colour,
                             look.penWidth));
    }
}
