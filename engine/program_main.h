// Ties a program's global scene object to the shell: its window procedure and its WinMain body.
// A program's main.cpp defines the global scene and calls runProgramWith<Type, object>; the
// scene class names its shell with a static constexpr EngineStyle shellStyle.
#pragma once

#include "app_shell.h"
#include "window_routing.h"

template <class Scene, Scene& scene>
LRESULT CALLBACK programWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if constexpr (Scene::shellStyle == EngineStyle::Game) {
        return routing::routeGameMessage(scene, window, message, wParam, lParam);
    } else {
        return routing::routeDemoMessage(scene, window, message, wParam, lParam);
    }
}

template <class Scene, Scene& scene> int runProgramWith(HINSTANCE instance, int showCommand) {
    return runProgram(instance, showCommand, Scene::shellStyle, programWindowProc<Scene, scene>);
}
