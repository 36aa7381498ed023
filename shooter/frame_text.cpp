// Texts over the frame, legible whatever lies under them.
#include "frame_text.h"

void writeOnStrip(HDC dc, const Vec2& at, const char* text) {
    const int previousMode = SetBkMode(dc, OPAQUE);
    at.drawText(dc, text);
    if (previousMode != 0) {
        SetBkMode(dc, previousMode);
    }
}
