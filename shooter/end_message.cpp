// The win and lose texts.
#include "end_message.h"

#include "vec2.h"

const char winText[] = "вы выйграли, нажмите F2, чтобы начать заново! =)";
const char loseText[] = "вы проеграли, нажмите F2, чтобы начать заново! =)";

namespace {
const Vec2 textPlace(100, 100);

// Writes the text in the surface's own font and colours on an opaque strip of its background
// colour. The heads-up display leaves the surface's background mode transparent, and the
// surface's black letters straight on the black arena could not be read.
void drawEndText(HDC dc, const char* text) {
    const int previousMode = SetBkMode(dc, OPAQUE);
    textPlace.drawText(dc, text);
    if (previousMode != 0) {
        SetBkMode(dc, previousMode);
    }
}
} // namespace

WinMessage::WinMessage() {
    life = 1;
}

void WinMessage::draw(HDC dc) {
    drawEndText(dc, winText);
}

LoseMessage::LoseMessage() {
    life = 1;
}

void LoseMessage::draw(HDC dc) {
    drawEndText(dc, loseText);
}
