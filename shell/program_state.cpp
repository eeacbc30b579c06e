#include "shell/program_state.h"

#include <vector>

namespace kestrine {

namespace {

struct Registration {
  ProgramStateReset reset;
  const char* name;
};

// A function-local list: registrars of other files run during static initialisation, in any order.
std::vector<Registration>& Registrations() {
  static std::vector<Registration> registrations;
  return registrations;
}

}  // namespace

bool RegisterProgramStateReset(ProgramStateReset reset, const char* name) {
  if (reset) Registrations().push_back(Registration{reset, name ? name : ""});
  return true;
}

void ResetProgramState() {
  for (const Registration& registration : Registrations()) registration.reset();
}

int ProgramStateCount() { return static_cast<int>(Registrations().size()); }

}  // namespace kestrine
