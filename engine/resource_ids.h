/* Resource numbers shared by the programs' resource scripts and their code. */
#pragma once

#define IDB_POINTER 103
#define IDB_POINTER_MASK 104
#define IDD_OPTIONS 105
#define IDC_HEIGHT_EDIT 1001
#define IDC_WIDTH_EDIT 1002
