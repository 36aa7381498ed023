// OffscreenSurface: the bitmap, its DC and the first fill.
#include "offscreen_surface.h"

OffscreenSurface::OffscreenSurface(int width, int height)
    : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down: row 0 first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels_ = static_cast<std::uint32_t*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
    SetROP2(dc_, R2_COPYPEN);
    // Filling it also takes the first touch of the new bitmap's memory, which costs many times a
    // frame, out of whatever is timed on the surface later.
    PatBlt(dc_, 0, 0, width, height, WHITENESS);
    GdiFlush();
}

OffscreenSurface::~OffscreenSurface() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}
