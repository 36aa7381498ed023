// Stage: where the tests and the tools play a scene without the shell: a hidden window of a
// client size, which the scene attaches to as a program's scene attaches to its window on
// WM_CREATE, and an off-screen surface of the same size, on which each frame is drawn in the
// engine's own frame steps and stays to be read or written out.
#pragma once

#include "frame_steps.h"
#include "hidden_window.h"
#include "offscreen_surface.h"

#include <utility>

// Surface is OffscreenSurface or a class derived from it that reads its pixels (the tests').
template <class Surface = OffscreenSurface> struct Stage {
    Stage(int width, int height, WNDPROC procedure = DefWindowProcA)
        : window(width, height, procedure), surface(width, height) {}

    // One frame on the surface as the engine's render thread draws it: the surface filled
    // white, draw(target), the stock pen and brush selected back, GDI's batch finished.
    template <class Draw> void frame(Draw&& draw) {
        drawSceneFrame(surface.dc(), surface.area(), std::forward<Draw>(draw));
    }

    HiddenWindow window;
    Surface surface;
};
