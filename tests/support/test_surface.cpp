// TestSurface: a 32-bit top-down DIB section selected into a memory DC.
#include "test_surface.h"

TestSurface::TestSurface(int width, int height, COLORREF color)
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
    bits_ = static_cast<std::uint32_t*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
    fill(color);
}

TestSurface::~TestSurface() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void TestSurface::fill(COLORREF color) {
    GdiFlush();
    const std::uint32_t value =
        (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
    for (int i = 0; i < width_ * height_; ++i) {
        bits_[i] = value;
    }
}

COLORREF TestSurface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return CLR_INVALID;
    }
    GdiFlush();
    const std::uint32_t value = bits_[y * width_ + x];
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

int TestSurface::count(COLORREF color) const {
    return count(color, 0, 0, width_, height_);
}

int TestSurface::count(COLORREF color, int left, int top, int width, int height) const {
    int found = 0;
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            found += pixel(x, y) == color ? 1 : 0;
        }
    }
    return found;
}

int countPixels(HDC dc, COLORREF color, int left, int top, int width, int height) {
    GdiFlush();
    int found = 0;
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            found += GetPixel(dc, x, y) == color ? 1 : 0;
        }
    }
    return found;
}
