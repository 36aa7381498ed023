// BurstList: the bursts one event leaves behind, as look data.
#pragma once

#include "look/burst_palette.h"

#include <array>
#include <initializer_list>

// The bursts an event leaves, one per palette listed, thrown in the listed order; empty when the
// event leaves none. Holds up to three; a longer list does not compile in a constant.
class BurstList {
public:
    constexpr BurstList() = default;
    constexpr BurstList(std::initializer_list<const BurstPalette*> list) {
        for (const BurstPalette* palette : list) {
            palettes.at(count) = palette;
            count += 1;
        }
    }

    constexpr const BurstPalette* const* begin() const { return palettes.data(); }
    constexpr const BurstPalette* const* end() const { return palettes.data() + count; }
    constexpr bool empty() const { return count == 0; }

private:
    std::array<const BurstPalette*, 3> palettes{};
    unsigned count = 0;
};
