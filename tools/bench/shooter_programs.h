// The shooter programs that the benchmark and the recorder play, as their programs' own
// records; bench.rc carries each one's pointer under its record's numbers.
#pragma once

#include "game/shooter_program.h"

#include <array>
#include <functional>

extern const std::array<std::reference_wrapper<const ShooterProgram>, 2> shooterPrograms;
