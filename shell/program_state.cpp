#include "shell/program_state.h"

#include <vector>

namespace kestrine {

namespace {

// A function-local list: registrars of other files run during static initialisation, in any order.
std::vector<ProgramStateReset>& Resets() {
  static std::vector<ProgramStateReset> resets;
  return resets;
}

}  // namespace

bool RegisterProgramStateReset(ProgramStateReset reset, const char*) {
  if (reset) Resets().push_back(reset);
  return true;
}

void ResetProgramState() {
  for (const ProgramStateReset reset : Resets()) reset();
}

int ProgramStateCount() { return static_cast<int>(Resets().size()); }

}  // namespace kestrine
