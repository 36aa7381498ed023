// The outline of a screen region: four lines along its edges with the DC's current pen,
// nothing filled.
#pragma once

#include <windows.h>

class Area;

// From the truncated origin (ix, iy) to (ix + width, iy), (ix + width, iy + height),
// (ix, iy + height) and back to (ix, iy).
void drawOutline(HDC dc, const Area& region);
