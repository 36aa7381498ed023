// The table of the shooter programs.
#include "shooter_programs.h"

#include "bench_resource_ids.h"
#include "variant_look.h"

const std::array<ShooterProgram, 2> shooterPrograms = {{
    {.name = "shooter",
     .look = shooterLook,
     .pointerId = IDB_BENCH_CROSSHAIR,
     .pointerMaskId = IDB_BENCH_CROSSHAIR_MASK},
    {.name = "shooter_variant",
     .look = variantLook,
     .pointerId = IDB_BENCH_VARIANT_ARROW,
     .pointerMaskId = IDB_BENCH_VARIANT_ARROW_MASK},
}};
