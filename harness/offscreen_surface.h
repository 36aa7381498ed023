// The scenario driver's frame surface: a screen-compatible memory surface of a given size with a
// hidden window for the scenes to attach to, and the engine's per-frame work around a scene's
// renderFrame. The benchmark times these frames; the recorder writes them out.
#pragma once

#include <windows.h>

#include <functional>

// A frame surface and the "window" it is copied to, both compatible with the screen.
class BenchSurface {
public:
    BenchSurface(int width, int height);
    ~BenchSurface();
    BenchSurface(const BenchSurface&) = delete;
    BenchSurface& operator=(const BenchSurface&) = delete;

    HDC dc() const { return frameDC; }
    int width() const { return surfaceWidth; }
    int height() const { return surfaceHeight; }
    // A hidden window whose client area has the surface's size, for scenes that need one.
    HWND window() const { return windowHandle; }
    // What the engine does on WM_PAINT: copy the whole surface to the window.
    void copyToWindow() const;

private:
    int surfaceWidth;
    int surfaceHeight;
    HWND windowHandle;
    HDC frameDC;
    HBITMAP frameBitmap;
    HDC copyDC;
    HBITMAP copyBitmap;
};

// Plays frame frameIndex of a scenario (counting from 0): its scripted input and one tick of the
// scene's renderFrame into target.
using FrameDrawer = std::function<void(HDC target, int frameIndex)>;

// What the engine's render thread does around the scene: the clear to white, the drawer (none
// for an empty scene), and the surface's stock pen and brush selected back.
void drawFrame(const BenchSurface& surface, const FrameDrawer& draw, int frameIndex);
