// FireworkBurst: a one-shot effect of sparks thrown out of one point in random directions,
// with random speeds, colours and lifetimes, falling under a common gravity. The burst is
// dead, and the scene removes it, once its last spark has died.
#pragma once

#include "common/firework_spark.h"
#include "common/scene_object.h"
#include "ptr_list.h"
#include "vec2.h"

class FireworkBurst final : public SceneObject {
public:
    // The number of sparks the programs set off per click.
    static constexpr int sparksPerClick = 100;
    static constexpr int sparkPenWidth = 3;

    // Creates sparkCount sparks at (x, y), drawing four random numbers for each: colour,
    // angle, speed, life. A spark that cannot be allocated is left out.
    FireworkBurst(int sparkCount, int x, int y);

    // Catch-up updates for all but the last tick, then one update and draw of every spark;
    // dead sparks are removed and life becomes the number of sparks left.
    void step(HDC target, int elapsedTicks) override;
    bool isDead() const override { return life == 0; }

    Vec2 position;
    // 1 until the first step, then the number of sparks alive.
    int life = 1;
    // Pixels per tick squared, y pointing down.
    Vec2 gravity{0.0f, 0.2f};
    PtrList<FireworkSpark> sparks;
};
