// The table of the shooter programs.
#include "shooter_programs.h"

#include "variant_program.h"

const std::array<std::reference_wrapper<const ShooterProgram>, 2> shooterPrograms = {
    std::cref(shooterProgram), std::cref(variantProgram)};
