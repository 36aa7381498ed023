// The programs' one pseudo-random generator. It is process-wide on purpose: the C runtime's
// rand() keeps its state per thread, and every frame runs on a new render thread, which would
// restart the sequence from the same seed in every frame.
#pragma once

constexpr int randomMax = 0x7FFF;

// Restarts the sequence; the programs seed it once with the current time.
void seedRandom(unsigned int seed);
// The next value of the sequence, 0..randomMax, the same sequence as the classic C rand().
int nextRandom();
