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

// Selects a pen or brush into a DC for one scope and puts the previous one back, so that no
// object of a scene stays selected after the drawing that needed it (a selected pen or brush
// cannot be deleted).
class ScopedSelection {
public:
    ScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ScopedSelection() {
        if (previous_ != nullptr) {
            SelectObject(dc_, previous_);
        }
    }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};
