// OffscreenSurface: a surface to draw frames on without a window, for the tests and the tools
// that drive scenes by hand: a 32-bit top-down device-independent bitmap selected into a memory
// DC, white when made, whose pixels lie in memory where they can be read.
#pragma once

#include <windows.h>

#include <cstdint>

class OffscreenSurface {
public:
    OffscreenSurface(int width, int height);
    ~OffscreenSurface();
    OffscreenSurface(const OffscreenSurface&) = delete;
    OffscreenSurface& operator=(const OffscreenSurface&) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // The whole surface: the view a frame on it fills.
    RECT area() const { return RECT{0, 0, width_, height_}; }
    // Row by row from the top, one 0x??RRGGBB value per pixel; GdiFlush before touching them.
    std::uint32_t* pixels() const { return pixels_; }

private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    std::uint32_t* pixels_ = nullptr;
};
