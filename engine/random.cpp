// Linear congruential generator shared by every thread of the process.
#include "random.h"

#include <atomic>

namespace {
// Draws happen on the render thread during a frame or on the window thread under the scene
// lock, never at the same time; the atomic only makes the hand-over between threads defined.
std::atomic<unsigned int> state{1};
} // namespace

void seedRandom(unsigned int seed) { state.store(seed, std::memory_order_relaxed); }

int nextRandom() {
    const unsigned int next = state.load(std::memory_order_relaxed) * 214013u + 2531011u;
    state.store(next, std::memory_order_relaxed);
    return static_cast<int>((next >> 16) & 0x7FFFu);
}
