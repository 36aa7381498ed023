// Drawing of a screen region.
#include "world/area.h"

void Area::draw(HDC dc) const {
    const int ix = toPixel(origin.x);
    const int iy = toPixel(origin.y);
    Rectangle(dc, ix, iy, ix + width, iy + height);
}
