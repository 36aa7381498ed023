// The win and lose texts.
#include "end_message.h"

#include "frame_text.h"
#include "vec2.h"

const char winText[] = "вы выйграли, нажмите F2, чтобы начать заново! =)";
const char loseText[] = "вы проеграли, нажмите F2, чтобы начать заново! =)";

namespace {
const Vec2 textPlace(100, 100);
} // namespace

WinMessage::WinMessage() {
    life = 1;
}

void WinMessage::draw(HDC dc) {
    writeOnStrip(dc, textPlace, winText);
}

LoseMessage::LoseMessage() {
    life = 1;
}

void LoseMessage::draw(HDC dc) {
    writeOnStrip(dc, textPlace, loseText);
}
