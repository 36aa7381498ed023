// The texts that end a game: written over the frame at a fixed place (they do not scroll with
// the arena) until a restart deletes them.
#pragma once

#include "entity.h"

#include <windows.h>

class WinMessage : public Entity {
public:
    WinMessage();
    void draw(HDC dc) override;
};

class LoseMessage : public Entity {
public:
    LoseMessage();
    void draw(HDC dc) override;
};

// The texts, as single-byte Windows-1251 strings.
extern const char winText[];
extern const char loseText[];
