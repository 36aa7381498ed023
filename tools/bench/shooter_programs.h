// The shooter programs that the benchmark and the recorder play: each program's name, the look
// its main.cpp gives its game, and its own pointer's bitmaps under the numbers bench.rc gives
// them.
#pragma once

#include "look/shooter_look.h"

#include <array>

struct ShooterProgram {
    const char* name;
    const ShooterLook& look;
    int pointerId;
    int pointerMaskId;
};

extern const std::array<ShooterProgram, 2> shooterPrograms;
