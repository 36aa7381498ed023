/* Resource numbers shared by the programs' resource scripts and their code. */
#pragma once

/* Every program's own pointer: the picture its scene loads and the picture's mask. */
#define IDB_POINTER 103
#define IDB_POINTER_MASK 104
#define IDD_OPTIONS 105
#define IDC_HEIGHT_EDIT 1001
#define IDC_WIDTH_EDIT 1002

/* Each pointer design under a number of its own, for the programs that carry several side by
   side (the tests, the benchmark, the recorder). */
#define IDB_CROSSHAIR 203
#define IDB_CROSSHAIR_MASK 204
#define IDB_VARIANT_ARROW 205
#define IDB_VARIANT_ARROW_MASK 206
#define IDB_DEMO_ARROW 207
#define IDB_DEMO_ARROW_MASK 208
