// DemoScene: the scene frame the three demonstration programs share. It owns the object list
// that every frame steps, prunes and counts, draws the arrow pointer sprite at the mouse in
// place of the hidden system cursor, writes the object-count overlay and answers ESC and F1.
// Each program derives its scene from it, adds its input fields and mouse handlers, and
// creates its objects in buildObjects.
#pragma once

#include "common/scene_object.h"
#include "ptr_list.h"
#include "shell_scene.h"
#include "sprite.h"
#include "vec2.h"

class DemoScene : public ShellScene<EngineStyle::Demo> {
public:
    static constexpr int overlayX = 0;
    static constexpr int overlayY = 20;

    // Steps every object, removes the dead ones, then draws the pointer and the overlay.
    // A tick count of 0 leaves the surface untouched.
    void renderFrame(HDC target, int elapsedTicks) override;
    // Loads the pointer sprite, then the program's own objects.
    void buildScene() override;

    // ESC closes the window, F1 shows the help box; other keys do nothing.
    void onKeyDown(WPARAM key, LPARAM);
    // Mouse rows a program does not define itself do nothing beyond what the window procedure
    // does for every mouse message (hiding the system cursor under the input lock).
    void onMouseMove(WPARAM, LPARAM) {}
    void onLeftDown(WPARAM, LPARAM) {}
    void onLeftUp(WPARAM, LPARAM) {}
    void onRightDown(WPARAM, LPARAM) {}
    void onRightUp(WPARAM, LPARAM) {}
    void onWheel(WPARAM, LPARAM) {}

    // Appends an object made with new (std::nothrow). A null pointer (the allocation failed)
    // is dropped, so the list never holds an empty entry; returns whether it was added.
    bool addObject(SceneObject* object);
    // The overlay as written by the last drawn frame.
    const char* overlayText() const { return overlay; }

    // Last mouse position in client coordinates; (0, 0) until the mouse first moves.
    Vec2 mouse;
    PtrList<SceneObject> objectList;
    Sprite cursor;

protected:
    // The content goes before the engine's surfaces and timer.
    ~DemoScene();

    // The program's own part of the build, after the pointer sprite has been loaded.
    virtual void buildObjects() = 0;

    // The position a mouse message carries, as floats.
    static Vec2 mousePosition(LPARAM lParam);

private:
    char overlay[200] = {};
};
