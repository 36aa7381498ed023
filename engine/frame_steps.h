// The steps of one frame, in the one place that the engine's render thread and everything that
// draws frames without the engine (the tests, the benchmark, the recorder) take them from: the
// view filled white, the scene drawn, the surface's stock pen and brush selected back, GDI's
// batch finished.
#pragma once

#include "gdi_objects.h"

#include <windows.h>

// Draws one frame into target: fills view white, calls drawScene(target), selects the stock pen
// and brush back and flushes. drawScene is the scene's part, for the engine its renderFrame with
// the ticks counted since the previous frame.
template <class DrawScene>
void drawSceneFrame(HDC target, const RECT& view, DrawScene&& drawScene) {
    PatBlt(target, view.left, view.top, view.right - view.left, view.bottom - view.top, WHITENESS);
    drawScene(target);
    // Whatever the scene left selected can then be deleted when its object dies.
    selectStockPenAndBrush(target);
    // Batched GDI calls of a thread that ends can be dropped: finish them before the frame is
    // shown.
    GdiFlush();
}
