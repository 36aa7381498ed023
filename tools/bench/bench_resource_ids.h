/* Resource numbers of the benchmark and the recorder besides the demonstration programs' arrow
   at 103 and 104: each shooter program's own pointer under numbers of its own. */
#pragma once

#define IDB_BENCH_CROSSHAIR 203
#define IDB_BENCH_CROSSHAIR_MASK 204
#define IDB_BENCH_VARIANT_ARROW 205
#define IDB_BENCH_VARIANT_ARROW_MASK 206
