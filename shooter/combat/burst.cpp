// Bursts: the sparks each palette throws, and the life cycle: moving, thinning out and drawing
// the sparks.
#include "combat/burst.h"

#include "random.h"
#include "world/world.h"

namespace {
struct SparkThrow {
    COLORREF colour;
    int penWidth;
    double drag;
    double angle;
    double speed;
};

// Red, Green and Blue: three fresh numbers for the colour, drawn first, second and third, then
// the drag, a direction of 0 .. 6.9 radians (the directions up to about 0.6 come up twice as
// often) and a speed of 0 .. 19.9.
SparkThrow throwPaletteSpark(BurstPalette palette) {
    const int r1 = nextRandom();
    const int r2 = nextRandom();
    const int r3 = nextRandom();
    SparkThrow spark{};
    switch (palette) {
    case BurstPalette::Red:
        spark.colour = RGB(20 + r3 % 235, r2 % 25, r1 % 25);
        spark.penWidth = 5;
        break;
    case BurstPalette::Green:
        spark.colour = RGB(r3 % 80, 100 + r1 % 155, r2 % 80);
        spark.penWidth = 3;
        break;
    default:
        spark.colour = RGB(80 + r3 % 50, 80 + r2 % 50, 150 + r1 % 105);
        spark.penWidth = 3;
        break;
    }
    spark.drag = (nextRandom() % 100) * 0.1 + 2.0;
    spark.angle = (nextRandom() % 70) * 0.1;
    spark.speed = (nextRandom() % 200) * 0.1;
    return spark;
}

// Random: one raw number, 0 .. 32767, is the colour (red from its low 8 bits, green from the
// next 7, no blue), then the drag, a direction of 0 .. 9.9 radians and a speed of 0 .. 9.9.
SparkThrow throwRandomSpark() {
    SparkThrow spark{};
    spark.colour = static_cast<COLORREF>(nextRandom());
    spark.penWidth = 2;
    spark.drag = (nextRandom() % 100) * 0.1 + 2.0;
    spark.angle = (nextRandom() % 100) * 0.1;
    spark.speed = (nextRandom() % 100) * 0.1;
    return spark;
}
} // namespace

Burst::Burst(World* owner, const Vec2& origin, int sparkCount, BurstPalette palette)
    : world(owner) {
    position = origin;
    life = 1;
    for (int i = 0; i < sparkCount; ++i) {
        const SparkThrow spark =
            palette == BurstPalette::Random ? throwRandomSpark() : throwPaletteSpark(palette);
        sparks.add(new Spark(world->arena(), position, static_cast<float>(spark.speed),
                             static_cast<float>(spark.angle), static_cast<float>(spark.drag),
                             spark.colour, spark.penWidth));
    }
}

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
