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
    // Number of pixels of exactly this colour.
    int count(COLORREF color) const;

private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    std::uint32_t* bits_ = nullptr;
};
