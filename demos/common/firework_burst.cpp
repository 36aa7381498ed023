// Creation and stepping of a firework burst.
#include "common/firework_burst.h"

#include "random.h"

#include <new>

FireworkBurst::FireworkBurst(int sparkCount, int x, int y) : position(x, y) {
    for (int i = 0; i < sparkCount; ++i) {
        // One statement per draw keeps their order fixed: colour, angle, speed, life.
        // The colour uses the raw value: red is its low byte, green at most 127, no blue.
        const COLORREF color = static_cast<COLORREF>(nextRandom());
        const float angle = static_cast<float>((nextRandom() % 100) * 0.1);
        const float speed = static_cast<float>((nextRandom() % 100) * 0.1);
        const int sparkLife = 5 + nextRandom() % 50;
        FireworkSpark* spark = new (std::nothrow)
            FireworkSpark(sparkLife, x, y, speed, angle, &gravity, color, sparkPenWidth);
        if (spark != nullptr) {
            sparks.add(spark);
        }
    }
}

void FireworkBurst::step(HDC target, int elapsedTicks) {
    for (int tick = 1; tick < elapsedTicks; ++tick) {
        for (int i = 0; i < sparks.count(); ++i) {
            sparks.get(i)->update();
        }
    }
    // A spark that dies in this update is still drawn once, at its last position.
    for (int i = 0; i < sparks.count(); ++i) {
        FireworkSpark* spark = sparks.get(i);
        spark->update();
        spark->draw(target);
    }
    sparks.removeDead();
    life = sparks.count();
}
