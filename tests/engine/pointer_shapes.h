// The two mouse-pointer designs, written out pixel by pixel for the tests that check the bitmaps
// and the sprites drawn from them. (column, row) counted from the cell's top-left corner.
#pragma once

#include <set>
#include <utility>

namespace pointerShapes {

constexpr int cellSize = 32;

using PixelSet = std::set<std::pair<int, int>>;

// The cross-hair: a long bar each way on columns and rows 13 and 18 with a gap round the centre,
// dots at the gap's corners (11/20), and a small cross in the middle (14/17 and 15/16).
inline PixelSet crosshair() {
    PixelSet lit;
    for (int i = 0; i < cellSize; ++i) {
        for (int bar : {13, 18}) {
            if (i <= 12 || i >= 19) {
                lit.insert({bar, i});
            }
            if (i <= 13 || i >= 18) {
                lit.insert({i, bar});
            }
        }
    }
    for (int low : {11, 14, 15}) {
        const int high = cellSize - 1 - low;
        lit.insert({{low, low}, {low, high}, {high, low}, {high, high}});
    }
    return lit;
}

// The arrow: its tip is the cell's top-left corner, a broken double shaft runs down-right and a
// single diagonal stands on each side of it.
inline PixelSet arrow() {
    PixelSet lit;
    for (int i = 1; i <= 7; ++i) {
        lit.insert({i, 0});
    }
    for (int i = 1; i <= 9; ++i) {
        lit.insert({0, i});
    }
    for (int y = 5; y <= 24; ++y) {
        if (y <= 23 && y != 14) {
            lit.insert({y + 1, y});
        }
        if (y >= 6 && y != 15) {
            lit.insert({y - 1, y});
        }
        if (y >= 6 && y <= 14) {
            lit.insert({y + 13, y});
        }
    }
    for (int y = 19; y <= 27; ++y) {
        lit.insert({y - 13, y});
    }
    return lit;
}

inline bool isLit(const PixelSet& lit, int column, int row) {
    return lit.count({column, row}) != 0;
}

} // namespace pointerShapes
