// Bursts: sparks thrown as their palette says, and the life cycle: moving, thinning out and
// drawing the sparks.
#include "combat/burst.h"

#include "random.h"
#include "world/world.h"

#include <algorithm>

namespace {
int channel(const ChannelDraw& range, const int* colourNumbers) {
    return range.base + (colourNumbers[range.draw] >> range.shift) % range.span;
}

double tenths(const TenthsRange& range) {
    return (nextRandom() % range.steps) * 0.1 + range.offset;
}
} // namespace

Burst::Burst(World* owner, const Vec2& origin, int sparkCount, const BurstPalette& palette)
    : world(owner) {
    position = origin;
    life = 1;
    for (int i = 0; i < sparkCount; ++i) {
        int colourNumbers[maxColourDraws] = {0, 0, 0};
        for (int draw = 0; draw < std::min(palette.colourDraws, maxColourDraws); ++draw) {
            colourNumbers[draw] = nextRandom();
        }
        const COLORREF colour =
            RGB(channel(palette.red, colourNumbers), channel(palette.green, colourNumbers),
                channel(palette.blue, colourNumbers));
        const double drag = tenths(palette.drag);
        const double angle = tenths(palette.angle);
        const double speed = tenths(palette.speed);
        sparks.add(new Spark(world->arena(), position, static_cast<float>(speed),
                             static_cast<float>(angle), static_cast<float>(drag), colour,
                             palette.penWidth));
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
