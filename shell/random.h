// The game's random generator: a linear congruential generator with multiplier 214013, increment
// 2531011 and the result taken from bits 16..30, as the game's rules were tuned on. Never the C
// library's rand(), so that the same seed gives the same game everywhere.
#pragma once

#include <cstdint>

namespace kestrine {

constexpr int kRandMax = 0x7FFF;

void srand(uint32_t seed);
// 0 .. kRandMax
int rand();
// The generator's state, for tests and save files that need to look at it.
uint32_t RandomState();

}  // namespace kestrine
