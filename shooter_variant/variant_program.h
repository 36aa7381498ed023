// The record of shooter_variant: the variant's look and the red arrow.
#pragma once

#include "game/shooter_program.h"

extern const ShooterProgram variantProgram;
