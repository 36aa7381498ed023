/* The variant's arrow pointer in the shooter tests' resources (103 and 104 hold the cross-hair). */
#pragma once

#define IDB_TEST_ARROW 203
#define IDB_TEST_ARROW_MASK 204
