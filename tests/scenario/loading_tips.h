// The loading screen's tips as the tests choose them: how many lines one has, and a seed of the game's
// generator whose first draw picks it.
#pragma once

#include <cstdint>

#include "shell/loading_screen.h"
#include "shell/random.h"

namespace kestrine::scenario {

inline int TipLines(int tip) {
  int n = 0;
  while (n < kMaxLoadingTipLines && LoadingTips[tip].lines[n]) ++n;
  return n;
}

inline uint32_t SeedChoosing(int tip) {
  for (uint32_t seed = 1;; ++seed) {
    srand(seed);
    if (rand() % kLoadingTipCount == tip) return seed;
  }
}

}  // namespace kestrine::scenario
