// Developer switches of the treatment rules, toggled by key sequences in the patient view.
#pragma once

#include <cstdint>

namespace kestrine {

// Cutting clothing also shows the bare skin under it.
extern uint8_t& skinCutMode;
// Nothing is used up: the pack's counts stay as they are.
extern uint8_t& unlimitedSupplies;
// Casualties built while it is on have the head bone moved by (1, 1, 0), the psychotic casualty's also
// turned round about x: for checking what hangs on the head against the head's pick shape.
extern uint8_t& headShiftMode;

}  // namespace kestrine
