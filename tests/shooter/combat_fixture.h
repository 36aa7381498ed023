// Helpers of the combat tests: a bare world in a look with the regions of the client the arena
// fits, on a stage of that size, and empty lists, ticks run through the world's own frame, the
// pens' looks, the palette a burst's sparks show, and a count of the numbers drawn from the
// generator.
#pragma once

#include "combat/burst.h"
#include "combat/enemy.h"
#include "game/world_builder.h"
#include "random.h"
#include "stage.h"
#include "test_surface.h"
#include "world/area.h"
#include "world/entity.h"
#include "world/solid.h"
#include "world/world.h"

#include <windows.h>

#include <vector>

class CombatWorld : public Stage<TestSurface> {
public:
    explicit CombatWorld(const Vec2& arenaOrigin = Vec2(0, 0),
                         const ShooterLook& look = shooterLook)
        : Stage(WorldBuilder::fittingClientWidth, WorldBuilder::fittingClientHeight), world(look) {
        const int arena = WorldBuilder::arenaSize;
        world.areaList.add(new Area(arenaOrigin, arena, arena));
        world.areaList.add(new Area(Vec2(0, 0), arena, arena));
        world.areaList.add(new Area(Vec2(arena, 0), WorldBuilder::panelWidth, arena));
    }

    template <class T> T* addObject(T* entity) {
        world.objectList.add(entity);
        return entity;
    }
    Enemy* addEnemy(int x, int y, float angle = 0.0f, float speed = 0.0f) {
        Enemy* enemy = new Enemy(&world, x, y, angle, speed);
        world.solidList.add(enemy);
        return enemy;
    }
    // Whole ticks of the world's frame, drawn once on the stage's surface afterwards.
    void runTicks(int ticks) {
        frame([&](HDC target) { world.runFrame(target, ticks); });
    }
    Entity* object(int index) const { return world.objectList.get(index); }
    int objects() const { return world.objectList.count(); }

    World world;
};

struct PenLookSeen {
    int width;
    COLORREF colour;
};

inline PenLookSeen penLook(HPEN pen) {
    LOGPEN description{};
    GetObjectA(pen, sizeof description, &description);
    return {description.lopnWidth.x, description.lopnColor};
}

// The palette whose colours and pen width every spark of the burst shows (the ranges of each
// palette's draws, see burst_test), or none when they do not all fit one.
inline const BurstPalette* paletteOf(const Entity* burst) {
    const BurstPalette* const none = nullptr;
    const BurstPalette* seen = none;
    const PtrList<Spark>& sparks = static_cast<const Burst*>(burst)->sparks;
    for (int i = 0; i < sparks.count(); ++i) {
        const int r = GetRValue(sparks.get(i)->colour), g = GetGValue(sparks.get(i)->colour);
        const int b = GetBValue(sparks.get(i)->colour), width = sparks.get(i)->penWidth;
        const BurstPalette* palette =
            width == 5 && r >= 20 && g < 25 && b < 25                            ? &redBursts
            : width == 3 && r < 80 && g >= 100 && b < 80                         ? &greenBursts
            : width == 3 && r >= 80 && r < 130 && g >= 80 && g < 130 && b >= 150 ? &blueBursts
            : width == 2 && b == 0                                               ? &randomBursts
                                                                                 : none;
        seen = i == 0 || palette == seen ? palette : none;
    }
    return seen;
}

// The numbers drawn from the generator since it was seeded with seed (up to 200000).
inline int drawsSince(unsigned int seed) {
    const int next[3] = {nextRandom(), nextRandom(), nextRandom()};
    seedRandom(seed);
    std::vector<int> sequence;
    for (int i = 0; i < 200003; ++i) {
        sequence.push_back(nextRandom());
    }
    for (int i = 0; i + 2 < static_cast<int>(sequence.size()); ++i) {
        if (sequence[i] == next[0] && sequence[i + 1] == next[1] && sequence[i + 2] == next[2]) {
            return i;
        }
    }
    return -1;
}
