#pragma once

#include <QtGlobal>

namespace vexo {

// One uniform generator serves the whole program. It is seeded once at start;
// reseeding from the clock at every draw would repeat numbers within one tick.
void seedRandom(quint64 seed);
void seedRandomFromEntropy();

// Makes the next seedRandomFromEntropy() use this seed, so that a test can
// replay a start-up exactly.
void holdNextSeed(quint64 seed);

// Uniform in [0, 1).
double randomUnit();

// Uniform integer in [0, n); n must be positive.
int randomBelow(int n);

} // namespace vexo
