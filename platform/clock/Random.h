#pragma once

// The one pseudo-random source of the program, like the C library's rand():
// values from 0 to kRandomMax. Seeded from the system at start; tests seed it
// or replace it.

#include <functional>

namespace platform {

inline constexpr int kRandomMax = 32767;

int random();

void seedRandom(unsigned seed);

using RandomSource = std::function<int()>;

// Installs a source for the whole process; an empty source restores the
// built-in generator. Returns the source installed before.
RandomSource setRandomForTesting(RandomSource source);

}  // namespace platform
