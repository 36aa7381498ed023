/* Extra resource numbers of the engine tests (the programs use 103 and 104 for their pointer). */
#pragma once

#define IDB_TEST_ARROW 203
#define IDB_TEST_ARROW_MASK 204
#define IDB_TEST_VARIANT_ARROW 303
#define IDB_TEST_VARIANT_ARROW_MASK 304
