// The texts a drawing writes, character for character: recorded in an enhanced metafile, so that
// a test sees every character of a text as it was written, trailing blanks included, which no
// picture can show.
#pragma once

#include <windows.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

struct DrawnText {
    int x;
    int y;
    // The characters as they show: a text written through an ANSI call read in the system's code
    // page, as Windows reads it.
    std::wstring text;
};

bool operator==(const DrawnText& a, const DrawnText& b);
void PrintTo(const DrawnText& drawn, std::ostream* out);

// The texts that draw writes into the device context it is given, in the order written.
std::vector<DrawnText> textsDrawnBy(const std::function<void(HDC)>& draw);
