// Texts written over a finished frame at a fixed place: the word "pause" and the end texts.
#pragma once

#include "vec2.h"

#include <windows.h>

// Writes text with the surface's own font and colours on an opaque strip of its background
// colour, and puts the background mode back. The heads-up display leaves the mode transparent,
// and the surface's black letters straight on the black arena could not be read.
void writeOnStrip(HDC dc, const Vec2& at, const char* text);
