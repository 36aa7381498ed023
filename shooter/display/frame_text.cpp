// Texts over the frame, legible on the look's backdrop.
#include "display/frame_text.h"

void writeOverFrame(HDC dc, const Vec2& at, const char* text, bool onStrip) {
    if (!onStrip) {
        at.drawText(dc, text);
        return;
    }
    const int previousMode = SetBkMode(dc, OPAQUE);
    at.drawText(dc, text);
    if (previousMode != 0) {
        SetBkMode(dc, previousMode);
    }
}
