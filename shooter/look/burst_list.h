// BurstPalette and BurstList: the colour schemes of the shooter's bursts, and the bursts one
// event leaves behind, as look data.
#pragma once

#include <array>
#include <initializer_list>

// The colour schemes of a burst's sparks. Red, Green and Blue draw three numbers per spark for
// its colour; Random takes one raw number as the colour and throws its sparks differently
// (combat/burst.cpp).
enum class BurstPalette { Red, Green, Blue, Random };

// The bursts an event leaves, one per palette listed, thrown in the listed order; empty when the
// event leaves none. Holds up to three; a longer list does not compile in a constant.
class BurstList {
public:
    constexpr BurstList() = default;
    constexpr BurstList(std::initializer_list<BurstPalette> list) {
        for (const BurstPalette palette : list) {
            palettes.at(count) = palette;
            count += 1;
        }
    }

    constexpr const BurstPalette* begin() const { return palettes.data(); }
    constexpr const BurstPalette* end() const { return palettes.data() + count; }
    constexpr bool empty() const { return count == 0; }

private:
    std::array<BurstPalette, 3> palettes{};
    unsigned count = 0;
};
