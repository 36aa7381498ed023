// A real GDI memory surface whose pixels the tests read back.
#pragma once

#include <windows.h>

#include <cstdint>

class TestSurface {
public:
    TestSurface(int width, int height, COLORREF fill = RGB(255, 255, 255));
    ~TestSurface();
    TestSurface(const TestSurface&) = delete;
    TestSurface& operator=(const TestSurface&) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void fill(COLORREF color);
    // The colour at (x, y) as an RGB COLORREF; CLR_INVALID outside the surface.
    COLORREF pixel(int x, int y) const;
    // Number of pixels of exactly this colour, on the whole surface or in a box of it.
    int count(COLORREF color) const;
    int count(COLORREF color, int left, int top, int width, int height) const;

private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    std::uint32_t* bits_ = nullptr;
};

// Number of pixels of exactly this colour in a box of any surface, read through GDI (for the
// surfaces a test does not own, such as an engine's frame surfaces).
int countPixels(HDC dc, COLORREF color, int left, int top, int width, int height);
