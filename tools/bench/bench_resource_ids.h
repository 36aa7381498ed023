/* Resource numbers of the benchmark besides the pointer's 103 and 104. */
#pragma once

#define IDB_BENCH_CROSSHAIR 203
#define IDB_BENCH_CROSSHAIR_MASK 204
