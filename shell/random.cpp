#include "shell/random.h"

#include "shell/program_state.h"

namespace kestrine {

namespace {

// The generator's state before anything seeds it is 1, as a program that never called srand draws.
struct Generator {
  uint32_t state = 1;
};
Generator generator;
KESTRINE_PROGRAM_STATE(generator);

}  // namespace

void srand(uint32_t seed) { generator.state = seed; }

int rand() {
  generator.state = generator.state * 214013u + 2531011u;
  return static_cast<int>((generator.state >> 16) & 0x7FFF);
}

uint32_t RandomState() { return generator.state; }

}  // namespace kestrine
