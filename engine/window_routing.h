// Window procedures' message routing. Each program's window procedure hands its messages to
// one of these with its global scene; input messages reach the scene's own handlers (plain
// members named onKeyDown, onMouseMove, ...) while the scene is locked, so they never overlap a
// frame.
#pragma once

#include "engine.h"

#include <windows.h>

namespace routing {

// Keeps a template parameter out of deduction, so that a handler a scene inherits from its
// base class (a member pointer of the base's type) still routes with the scene's own type.
template <class T> struct NotDeduced { using type = T; };

template <class Scene>
void runLocked(Scene& scene, void (NotDeduced<Scene>::type::*handler)(WPARAM, LPARAM),
               WPARAM wParam, LPARAM lParam) {
    scene.lockScene();
    (scene.*handler)(wParam, lParam);
    scene.unlockScene();
}

// Rows every program shares. Returns true when the message was handled.
inline bool routeFrameMessage(Engine& scene, HWND window, UINT message, WPARAM wParam,
                              LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return true;
    case WM_SIZE:
        scene.onSize(wParam, lParam);
        return true;
    case WM_ACTIVATE:
        scene.onActivate(wParam, lParam);
        return true;
    case WM_PAINT:
        scene.onPaint();
        return true;
    case WM_CLOSE:
        scene.pause();
        DestroyWindow(window);
        return true;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        SetCursor(nullptr);
        return true;
    case Engine::threadFailedMessage:
        scene.reportThreadFailure();
        return true;
    default:
        return false;
    }
}

// Mouse rows: the system pointer is hidden over the window, since the scene draws its own.
template <class Scene>
bool routeMouseMessage(Scene& scene, UINT message, WPARAM wParam, LPARAM lParam) {
    void (Scene::*handler)(WPARAM, LPARAM) = nullptr;
    switch (message) {
    case WM_MOUSEMOVE:
        handler = &Scene::onMouseMove;
        break;
    case WM_LBUTTONDOWN:
        handler = &Scene::onLeftDown;
        break;
    case WM_LBUTTONUP:
        handler = &Scene::onLeftUp;
        break;
    case WM_RBUTTONDOWN:
        handler = &Scene::onRightDown;
        break;
    case WM_RBUTTONUP:
        handler = &Scene::onRightUp;
        break;
    case WM_MOUSEWHEEL:
        handler = &Scene::onWheel;
        break;
    default:
        return false;
    }
    SetCursor(nullptr);
    runLocked(scene, handler, wParam, lParam);
    return true;
}

// The shooter programs' window procedure.
template <class Scene>
LRESULT routeGameMessage(Scene& scene, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        scene.start(window);
        // The help box opens before the first frame; ticks that fall while it is open are
        // not counted.
        scene.pause();
        SendMessageA(window, WM_KEYDOWN, VK_F1, 0);
        scene.resume();
        return 0;
    case WM_ERASEBKGND:
        return 0; // the client area is never erased: every frame covers it
    case WM_KEYDOWN:
        runLocked(scene, &Scene::onKeyDown, wParam, lParam);
        return 0;
    case WM_KEYUP:
        runLocked(scene, &Scene::onKeyUp, wParam, lParam);
        return 0;
    default:
        break;
    }
    if (routeFrameMessage(scene, window, message, wParam, lParam) ||
        routeMouseMessage(scene, message, wParam, lParam)) {
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The demonstration programs' window procedure. Key-up only takes and releases the lock, and
// the class brush erases the background before each paint.
template <class Scene>
LRESULT routeDemoMessage(Scene& scene, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        scene.start(window);
        return 0;
    case WM_KEYDOWN:
        runLocked(scene, &Scene::onKeyDown, wParam, lParam);
        return 0;
    case WM_KEYUP:
        scene.lockScene();
        scene.unlockScene();
        return 0;
    default:
        break;
    }
    if (routeFrameMessage(scene, window, message, wParam, lParam) ||
        routeMouseMessage(scene, message, wParam, lParam)) {
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace routing
