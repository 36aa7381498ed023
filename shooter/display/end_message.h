// The texts that end a game: written over the frame at a fixed place (they do not scroll with
// the arena) until a restart deletes them, on a strip of their own where the look asks for one.
#pragma once

#include "entity.h"
#include "shooter_look.h"

#include <windows.h>

class WinMessage : public Entity {
public:
    explicit WinMessage(const ShooterLook& look);
    void draw(HDC dc) override;

    bool onStrip;
};

class LoseMessage : public Entity {
public:
    explicit LoseMessage(const ShooterLook& look);
    void draw(HDC dc) override;

    bool onStrip;
};

// Writes a text at a point of the frame with the surface's own font and colours. On a strip, the
// text's box is first filled with the surface's background colour, and the background mode the
// surface had is kept: the heads-up display leaves it transparent, and black letters straight on
// a dark ground could not be read.
void writeOverFrame(HDC dc, const Vec2& at, const char* text, bool onStrip);

// The texts, as single-byte Windows-1251 strings.
extern const char winText[];
extern const char loseText[];
