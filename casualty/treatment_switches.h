// Developer switches of the treatment rules, toggled by key sequences in the patient view.
#pragma once

#include <cstdint>

namespace kestrine {

// Cutting clothing also shows the bare skin under it.
extern uint8_t& skinCutMode;
// Nothing is used up: the pack's counts stay as they are.
extern uint8_t& unlimitedSupplies;

}  // namespace kestrine
