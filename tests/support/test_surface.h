// TestSurface: the harness's off-screen surface with what the tests add to it: a fill of any
// colour, and its pixels read back and compared with a list of the pixels a picture must show.
#pragma once

#include "offscreen_surface.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>

class TestSurface : public OffscreenSurface {
public:
    TestSurface(int width, int height, COLORREF fill = RGB(255, 255, 255));

    void fill(COLORREF color);
    // The colour at (x, y) as an RGB COLORREF; CLR_INVALID outside the surface.
    COLORREF pixel(int x, int y) const;
    // Number of pixels of exactly this colour, on the whole surface or in a box of it.
    int count(COLORREF color) const;
    int count(COLORREF color, int left, int top, int width, int height) const;
};

// Whether the surface shows this colour at every point listed; the failure names the others.
::testing::AssertionResult showsPixels(const TestSurface& surface, COLORREF colour,
                                       std::initializer_list<POINT> points);

// Number of pixels of exactly this colour in a box of any surface, read through GDI (for the
// surfaces a test does not own, such as an engine's frame surfaces).
int countPixels(HDC dc, COLORREF color, int left, int top, int width, int height);

// The size of the bitmap selected into a surface.
inline SIZE bitmapSizeOf(HDC dc) {
    BITMAP info{};
    GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof info, &info);
    return SIZE{info.bmWidth, info.bmHeight};
}
