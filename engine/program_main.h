// Ties a program's global scene object to the shell: its window procedure and its WinMain body.
// A program's main.cpp defines the global scene and calls runProgramWith<Type, object>; the
// scene class names its shell by deriving from ShellScene<style> (shell_scene.h).
#pragma once

#include "app_shell.h"
#include "shell_scene.h"
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
    const int result =
        runProgram(instance, showCommand, Scene::shellStyle, programWindowProc<Scene, scene>);
    // The runtime destroys the scene's content before the engine's timer: no frame may run by
    // then. The close request normally paused the engine already, but a window closed while it
    // was still being created (a scene that fails to build asks to close) is reactivated by the
    // rest of the creation sequence and leaves frames running behind a window that is gone.
    // Stopping also ends the timer, so that none of its threads is still ending when the process
    // ends (see Engine::stop).
    scene.stop();
    return result;
}
