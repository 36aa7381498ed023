// TestSurface: a fill of any colour and the pixels read back from memory.
#include "test_surface.h"

#include <cstdint>
#include <sstream>

TestSurface::TestSurface(int width, int height, COLORREF color) : OffscreenSurface(width, height) {
    fill(color);
}

void TestSurface::fill(COLORREF color) {
    GdiFlush();
    const std::uint32_t value =
        (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
    for (int i = 0; i < width() * height(); ++i) {
        pixels()[i] = value;
    }
}

COLORREF TestSurface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width() || y >= height()) {
        return CLR_INVALID;
    }
    GdiFlush();
    const std::uint32_t value = pixels()[y * width() + x];
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

int TestSurface::count(COLORREF color) const {
    return count(color, 0, 0, width(), height());
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

::testing::AssertionResult showsPixels(const TestSurface& surface, COLORREF colour,
                                       std::initializer_list<POINT> points) {
    std::ostringstream wrong;
    for (const POINT& point : points) {
        const COLORREF seen = surface.pixel(point.x, point.y);
        if (seen != colour) {
            wrong << "(" << point.x << ", " << point.y << ") is 0x" << std::hex << seen
                  << ", not 0x" << colour << std::dec << "; ";
        }
    }
    if (wrong.str().empty()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << wrong.str();
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
