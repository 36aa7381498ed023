// Texts written over a finished frame at a fixed place: the word "pause" and the end texts.
#pragma once

#include "vec2.h"

#include <windows.h>

// Writes text with the surface's own font and colours. On a strip (ShooterLook::textsNeedStrip)
// the text goes on an opaque strip of the surface's background colour, and the background mode
// is put back: the heads-up display leaves the mode transparent, and the surface's black letters
// straight on a filled arena could not be read. Without one, whatever lies under the text stays
// visible between its letters.
void writeOverFrame(HDC dc, const Vec2& at, const char* text, bool onStrip);
