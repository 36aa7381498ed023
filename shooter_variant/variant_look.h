// The look of shooter_variant: the shooter's game drawn on the frame's white.
#pragma once

#include "look/shooter_look.h"

// The variant's one kind of bolt, fired by every weapon and by the bomb's ring.
extern const BoltLook greyBoltLook;

extern const ShooterLook variantLook;
