// The generator's sequence as a test sees it: the values a seed yields, drawn ahead.
#pragma once

#include "random.h"

#include <vector>

// The values the generator yields after seedRandom(seed), in order; leaves it seeded again.
inline std::vector<int> drawsAfterSeed(unsigned int seed, int count) {
    seedRandom(seed);
    std::vector<int> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(nextRandom());
    }
    seedRandom(seed);
    return values;
}
