// ShooterProgram: one shooter program as a record: its name, the look its game is drawn in, and
// its pointer's bitmaps and hot spot. Each program defines its record once beside its look
// (shooterProgram here, variantProgram in shooter_variant/) and its main.cpp, the tests and the
// benchmark build their games from it.
#pragma once

#include "look/shooter_look.h"

// A pointer design: the resource numbers under which the programs that carry every shooter
// program's pointer (the tests, the benchmark, the recorder) keep its picture and mask, and the
// point of the 32 x 32 picture that sits on the mouse, from its top-left corner. A program's own
// script puts its one pointer at IDB_POINTER and IDB_POINTER_MASK.
struct PointerBitmaps {
    int image;
    int mask;
    int hotSpot;
};

struct ShooterProgram {
    const char* name;
    const ShooterLook& look;
    PointerBitmaps pointer;
};

// shooter: the shooter's look and the yellow cross-hair.
extern const ShooterProgram shooterProgram;
