// Outlines of screen regions.
#include "display/area_outline.h"

#include "vec2.h"
#include "world/area.h"

void drawOutline(HDC dc, const Area& region) {
    const int left = toPixel(region.origin.x);
    const int top = toPixel(region.origin.y);
    const int right = left + region.width;
    const int bottom = top + region.height;
    MoveToEx(dc, left, top, nullptr);
    LineTo(dc, right, top);
    LineTo(dc, right, bottom);
    LineTo(dc, left, bottom);
    LineTo(dc, left, top);
}
