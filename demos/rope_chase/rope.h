// Rope: a blue rope of 100 points of rope_chase. Its head chases an anchor point and every
// other point chases its neighbour nearer the head, so the rope trails behind the anchor and
// straightens out when the anchor rests.
#pragma once

#include "common/scene_object.h"
#include "gdi_objects.h"
#include "vec2.h"

#include <array>

// Moves point toward target by stepLength pixels, or onto the target when it is that close.
// A point already within 1e-6 of the target on both axes stays; returns whether point changed.
bool moveToward(Vec2& point, const Vec2& target, float stepLength);

class Rope final : public SceneObject {
public:
    static constexpr int pointCount = 100;
    static constexpr int headRadius = 10;
    static constexpr int penWidth = 3;
    static constexpr COLORREF color = RGB(0, 55, 155);

    // anchor refers into the scene, which outlives the rope. All points start at (0, 0).
    explicit Rope(const Vec2* anchor);

    // Catch-up passes for all but the last tick, then one pass that draws.
    void step(HDC target, int elapsedTicks) override;
    bool isDead() const override { return life == 0; }

    // Never changes: the ropes live as long as the scene.
    int life = 1;
    const Vec2* anchor;
    int linkCount = pointCount - 1;
    // points[0] is the tail, points[pointCount - 1] the head.
    std::array<Vec2, pointCount> points{};
    Pen pen;

private:
    // One pass without drawing: tail to head, then the head toward the anchor.
    void pullAll(int factor);
    void drawnPass(HDC target, int factor);
};
