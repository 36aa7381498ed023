// Colour of the stars: white on the shooter's black arena.
#pragma once

#include <windows.h>

constexpr COLORREF starColour = RGB(255, 255, 255);
