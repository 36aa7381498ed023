// The record of shooter_variant.
#include "variant_program.h"

#include "resource_ids.h"
#include "variant_look.h"

constinit const ShooterProgram variantProgram = {
    .name = "shooter_variant",
    .look = variantLook,
    // The arrow's tip is the picture's top-left corner.
    .pointer = {.image = IDB_VARIANT_ARROW, .mask = IDB_VARIANT_ARROW_MASK, .hotSpot = 0},
};
