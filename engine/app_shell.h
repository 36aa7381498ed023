// The programs' entry-point work: seeding, the window class, the options dialog of the
// shooter programs, the main window and the message loop.
#pragma once

#include "engine.h"

#include <windows.h>

// Requested size of the Game style's main window: 800 x 600 until its start-up sets it to the
// screen's size, which the options dialog shows and changes.
extern int windowWidth;
extern int windowHeight;

// Everything WinMain does. The Game style asks for the size in the options dialog and opens a
// maximised pop-up; the Demo style opens an 800 x 600 overlapped window at (50, 50).
// Returns the final WM_QUIT's wParam, or 0 when the class or the window cannot be created.
int runProgram(HINSTANCE instance, int showCommand, EngineStyle style, WNDPROC windowProc);

INT_PTR CALLBACK optionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Reads one of the dialog's size fields as the dialog does: at most its first 9 characters,
// parsed as a decimal integer. Text that does not parse leaves value unchanged.
void parseDimension(const char* text, int& value);
// The dialog's own check: each dimension must be at least 200 pixels.
bool dimensionsAccepted(int width, int height);
