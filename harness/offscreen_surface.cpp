// The scenario driver's frame surface and the engine's per-frame work around a scene.
#include "bench_surface.h"

#include "gdi_objects.h"

namespace {
LRESULT CALLBACK quietWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND createHiddenWindow(int width, int height) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = quietWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "BenchWindow";
        RegisterClassA(&windowClass);
        registered = true;
    }
    return CreateWindowExA(0, "BenchWindow", "bench", WS_POPUP, 0, 0, width, height, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}
} // namespace

BenchSurface::BenchSurface(int width, int height)
    : surfaceWidth(width), surfaceHeight(height), windowHandle(createHiddenWindow(width, height)) {
    HDC screen = GetDC(nullptr);
    frameDC = CreateCompatibleDC(screen);
    frameBitmap = CreateCompatibleBitmap(screen, width, height);
    SelectObject(frameDC, frameBitmap);
    SetROP2(frameDC, R2_COPYPEN);
    copyDC = CreateCompatibleDC(screen);
    copyBitmap = CreateCompatibleBitmap(screen, width, height);
    SelectObject(copyDC, copyBitmap);
    ReleaseDC(nullptr, screen);
    // The first use of a new bitmap costs many times a frame (its memory is set up then); do it
    // here so that it is not counted as a frame's.
    PatBlt(frameDC, 0, 0, width, height, WHITENESS);
    copyToWindow();
    GdiFlush();
}

BenchSurface::~BenchSurface() {
    DeleteDC(frameDC);
    DeleteObject(frameBitmap);
    DeleteDC(copyDC);
    DeleteObject(copyBitmap);
    DestroyWindow(windowHandle);
}

void BenchSurface::copyToWindow() const {
    BitBlt(copyDC, 0, 0, surfaceWidth, surfaceHeight, frameDC, 0, 0, SRCCOPY);
}

void drawFrame(const BenchSurface& surface, const FrameDrawer& draw, int frameIndex) {
    PatBlt(surface.dc(), 0, 0, surface.width(), surface.height(), WHITENESS);
    if (draw) {
        draw(surface.dc(), frameIndex);
    }
    selectStockPenAndBrush(surface.dc());
}
