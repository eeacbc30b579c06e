// Developer switches of the treatment rules, toggled by key sequences in the patient view.
#pragma once

#include <cstdint>

namespace kestrine {

// Written only through the operations below.
struct TreatmentSwitches {
  // Cutting clothing also shows the bare skin under it.
  uint8_t skinCutMode = 0;
  // Nothing is used up: the pack's counts stay as they are.
  uint8_t unlimitedSupplies = 0;
  // Casualties built while it is on have the head bone moved by (1, 1, 0), the psychotic casualty's also
  // turned round about x: for checking what hangs on the head against the head's pick shape.
  uint8_t headShiftMode = 0;
};

const TreatmentSwitches& Switches();

void SetSkinCut(bool on);
void SetUnlimitedSupplies(bool on);
void SetHeadShift(bool on);

}  // namespace kestrine
