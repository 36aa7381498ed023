// The win and lose texts.
#include "display/end_message.h"

#include "display/frame_text.h"
#include "vec2.h"

const char winText[] = "вы выйграли, нажмите F2, чтобы начать заново! =)";
const char loseText[] = "вы проеграли, нажмите F2, чтобы начать заново! =)";

namespace {
const Vec2 textPlace(100, 100);
} // namespace

WinMessage::WinMessage(const ShooterLook& look) : onStrip(look.textsNeedStrip()) {
    life = 1;
}

void WinMessage::draw(HDC dc) {
    writeOverFrame(dc, textPlace, winText, onStrip);
}

LoseMessage::LoseMessage(const ShooterLook& look) : onStrip(look.textsNeedStrip()) {
    life = 1;
}

void LoseMessage::draw(HDC dc) {
    writeOverFrame(dc, textPlace, loseText, onStrip);
}
