// The look of shooter_variant: the shooter's game drawn on the frame's white.
#pragma once

#include "shooter_look.h"

// The variant's one bolt class, Bolt: grey, fired by every weapon and by the bomb's ring.
extern const BoltLook greyBoltLook;

// Grey outlines on white, black stars, a grey player ring, dark blue enemies, one grey bolt,
// sparks of random colours, enemies that die without bursts and an arrow pointer.
extern const ShooterLook variantLook;
