// The record of shooter.
#include "game/shooter_program.h"

#include "resource_ids.h"

constinit const ShooterProgram shooterProgram = {
    .name = "shooter",
    .look = shooterLook,
    // The cross-hair's centre marks the mouse point.
    .pointer = {.image = IDB_CROSSHAIR, .mask = IDB_CROSSHAIR_MASK, .hotSpot = 16},
};
