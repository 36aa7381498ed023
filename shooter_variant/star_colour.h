// Colour of the stars: black dots on the white frame.
#pragma once

#include <windows.h>

constexpr COLORREF starColour = RGB(0, 0, 0);
