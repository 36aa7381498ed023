// SceneObject: what a demonstration scene keeps in its object list. Every frame steps each
// object once with the ticks elapsed since the previous frame, then removes the dead ones.
#pragma once

#include "vec2.h"

#include <windows.h>

class SceneObject {
public:
    SceneObject() = default;
    SceneObject(const SceneObject&) = delete;
    SceneObject& operator=(const SceneObject&) = delete;
    virtual ~SceneObject() = default;

    // Advances the object by elapsedTicks (at least 1) timer ticks and draws it into target.
    virtual void step(HDC target, int elapsedTicks) = 0;
    // True once the object is to be removed from the list.
    virtual bool isDead() const = 0;
};

// Start point of a ball: two draws of the generator, y first, each 100 + r mod 300.
Vec2 randomStartPoint();
