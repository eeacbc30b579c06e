// Whether a tool can act on a body part at all: the patient view asks this before it names the part under
// the pointer.
#pragma once

#include <cstdint>

namespace kestrine {

// False for no tool (-1); else true when the tool's usable regions include the part's region.
bool PatientHasInjuryAt(int32_t tool, int32_t part);

}  // namespace kestrine
