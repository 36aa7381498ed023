// The texts that end a game: written over the frame at a fixed place (they do not scroll with
// the arena) until a restart deletes them, on a strip of their own where the look asks for one.
#pragma once

#include "look/shooter_look.h"
#include "world/entity.h"

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

// The texts, as single-byte Windows-1251 strings.
extern const char winText[];
extern const char loseText[];
